// The delimited-text parser: one pass over the text, fields straight into the columns.
#include "loaders/DelimitedText.h"

#include "loaders/TextFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fast_float/fast_float.h>
#include <limits>
#include <sys/mman.h>
#include <vantrel/Error.h>

namespace vantrel::loaders {

namespace {

constexpr char kSpaces = ' '; // the delimiter value that stands for runs of blanks
constexpr std::size_t kProgressStep = 16u << 20;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Big columns are filled once, front to back: in pages of 2 MB the filling takes a five-hundredth
// of the page faults, which otherwise cost about half of the parse. Only a hint; the kernel
// may decline it.
void PreferHugePages(std::vector<double>& column)
{
    constexpr std::uintptr_t kPage = 4096;
    constexpr std::size_t kWorthIt = 4u << 20;
    const std::size_t bytes = column.capacity() * sizeof(double);
    if (bytes < kWorthIt)
        return;
    const auto begin = reinterpret_cast<std::uintptr_t>(column.data());
    const std::uintptr_t first = (begin + kPage - 1) & ~(kPage - 1);
    const std::uintptr_t last = (begin + bytes) & ~(kPage - 1);
    madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

// One line without its end: [begin, end).
struct Line {
    const char* begin;
    const char* end;
    std::size_t number;
};

class Parser {
public:
    Parser(std::string_view text, const std::string& source, const ParseProgress& progress)
        : text_(text)
        , source_(source)
        , progress_(progress)
    {
    }

    DelimitedTable Run()
    {
        DelimitedTable table;
        const char* p = text_.data();
        const char* const end = p + text_.size();
        std::size_t number = 0;
        const char* nextReport = p + kProgressStep;
        while (p < end) {
            ++number;
            if (const char* next = table.Columns.empty() ? nullptr : PlainRow(table, p, end)) {
                p = next;
            } else {
                const auto* newline = static_cast<const char*>(std::memchr(p, '\n', end - p));
                Line line { p, newline ? newline : end, number };
                p = newline ? newline + 1 : end;
                if (line.end > line.begin && line.end[-1] == '\r')
                    --line.end;
                const char* first = SkipBlanks(line.begin, line.end, true);
                if (first == line.end || *first == '#')
                    continue;
                if (table.Columns.empty())
                    Start(table, line);
                else
                    Row(table, line);
            }
            if (p >= nextReport && progress_) {
                progress_(static_cast<std::size_t>(p - text_.data()), text_.size());
                nextReport = p + kProgressStep;
            }
        }
        if (progress_)
            progress_(text_.size(), text_.size());
        return table;
    }

private:
    [[noreturn]] void Fail(const Line& line, const char* at, const std::string& what) const
    {
        throw Error(errInvalidPropertyValue,
            source_ + ":" + std::to_string(line.number) + ":" + std::to_string(at - line.begin + 1)
                + ": " + what);
    }

    // Blanks are spaces, and tabs unless the tab delimits.
    const char* SkipBlanks(const char* p, const char* end, bool tabs) const
    {
        while (p < end && (*p == ' ' || (tabs && *p == '\t')))
            ++p;
        return p;
    }

    bool Delimits(char c) const
    {
        return delimiter_ == kSpaces ? c == ' ' || c == '\t' : c == delimiter_;
    }

    // The end of the field that starts at p, for messages and header names.
    const char* FieldEnd(const char* p, const char* end) const
    {
        while (p < end && !Delimits(*p))
            ++p;
        return p;
    }

    // The first line: delimiter, then header or first row.
    void Start(DelimitedTable& table, const Line& line)
    {
        const std::string_view content(line.begin, static_cast<std::size_t>(line.end - line.begin));
        if (content.find('\t') != std::string_view::npos)
            delimiter_ = '\t';
        else if (content.find(';') != std::string_view::npos)
            delimiter_ = ';';
        else if (content.find(',') != std::string_view::npos)
            delimiter_ = ',';
        else
            delimiter_ = kSpaces;
        tabsAreBlank_ = delimiter_ != '\t';
        table.Delimiter = delimiter_;

        std::vector<std::string> names;
        bool header = false;
        const char* p = SkipBlanks(line.begin, line.end, tabsAreBlank_);
        for (;;) {
            const char* fieldEnd = FieldEnd(p, line.end);
            const char* trimmed = fieldEnd;
            while (trimmed > p && (trimmed[-1] == ' ' || (tabsAreBlank_ && trimmed[-1] == '\t')))
                --trimmed;
            double value = 0;
            if (trimmed > p) {
                const auto parsed = fast_float::from_chars(p, trimmed, value);
                header = header || parsed.ec != std::errc() || parsed.ptr != trimmed;
            }
            std::string name(p, trimmed);
            if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
                name = name.substr(1, name.size() - 2);
            names.push_back(std::move(name));
            if (fieldEnd == line.end)
                break;
            p = SkipBlanks(fieldEnd + 1, line.end, tabsAreBlank_);
            if (delimiter_ == kSpaces && p == line.end)
                break;
        }
        table.Columns.resize(names.size());
        const std::size_t lineBytes = static_cast<std::size_t>(line.end - line.begin) + 1;
        const std::size_t rows = text_.size() / lineBytes + 16;
        for (auto& column : table.Columns) {
            column.reserve(rows);
            PreferHugePages(column);
        }
        if (header) {
            table.HasHeader = true;
            table.Names = std::move(names);
        } else {
            table.Names.assign(names.size(), std::string());
            Row(table, line);
        }
    }

    // A data row of numbers only, read in one pass without looking for its end first: the next
    // line's start, or nullptr for anything else (a comment, a blank line, an empty field, a
    // leading plus, an error), which Row then reads from the line's start. The row's values are
    // kept only when all of it was read, so both ways give the same table.
    const char* PlainRow(DelimitedTable& table, const char* p, const char* end) const
    {
        const std::size_t count = table.Columns.size();
        for (std::size_t column = 0; column < count; ++column) {
            p = SkipBlanks(p, end, tabsAreBlank_);
            double value = 0;
            // No number continues past a line end, so the text's end bounds it as well.
            const auto parsed = fast_float::from_chars(p, end, value);
            const char* after = SkipBlanks(parsed.ptr, end, tabsAreBlank_);
            bool more = false;
            if (parsed.ec != std::errc())
                more = false;
            else if (column + 1 == count)
                more = after == end || *after == '\n' || *after == '\r';
            else if (delimiter_ == kSpaces)
                more = after > parsed.ptr && after < end && *after != '\n' && *after != '\r';
            else
                more = after < end && *after == delimiter_;
            if (!more) {
                for (std::size_t c = 0; c < column; ++c)
                    table.Columns[c].pop_back();
                return nullptr;
            }
            table.Columns[column].push_back(value);
            p = delimiter_ == kSpaces || column + 1 == count ? after : after + 1;
        }
        if (p == end)
            return end;
        if (*p == '\n')
            return p + 1;
        // CR LF, or a CR that ends the text.
        if (p + 1 == end)
            return end;
        if (p[1] == '\n')
            return p + 2;
        for (auto& column : table.Columns)
            column.pop_back();
        return nullptr;
    }

    void Row(DelimitedTable& table, const Line& line)
    {
        const std::size_t count = table.Columns.size();
        const char* p = SkipBlanks(line.begin, line.end, tabsAreBlank_);
        for (std::size_t column = 0; column < count; ++column) {
            double value = kNaN;
            const char* fieldStart = p;
            if (p < line.end && !Delimits(*p)) {
                // fast_float reads no leading plus sign; a number may carry one.
                if (*p == '+' && p + 1 < line.end && *(p + 1) != '-' && *(p + 1) != '+')
                    ++p;
                const auto parsed = fast_float::from_chars(p, line.end, value);
                if (parsed.ec != std::errc())
                    Fail(
                        line, p, "'" + std::string(p, FieldEnd(p, line.end)) + "' is not a number");
                p = SkipBlanks(parsed.ptr, line.end, tabsAreBlank_);
                if (p < line.end && !Delimits(*p) && !(delimiter_ == kSpaces && p > parsed.ptr))
                    Fail(line, fieldStart,
                        "'" + std::string(fieldStart, FieldEnd(fieldStart, line.end))
                            + "' is not a number");
            } else if (delimiter_ == kSpaces) {
                Fail(line, p,
                    "expected " + std::to_string(count) + " fields, found "
                        + std::to_string(column));
            }
            table.Columns[column].push_back(value);
            if (column + 1 == count)
                break;
            if (p == line.end)
                Fail(line, p,
                    "expected " + std::to_string(count) + " fields, found "
                        + std::to_string(column + 1));
            if (delimiter_ != kSpaces)
                ++p; // the delimiter
            p = SkipBlanks(p, line.end, tabsAreBlank_);
        }
        if (p != line.end)
            Fail(line, p, "more than " + std::to_string(count) + " fields");
    }

    std::string_view text_;
    const std::string& source_;
    const ParseProgress& progress_;
    char delimiter_ = ',';
    bool tabsAreBlank_ = true;
};

} // namespace

DelimitedTable ParseDelimitedText(
    std::string_view text, const std::string& source, const ParseProgress& progress)
{
    return Parser(text, source, progress).Run();
}

DelimitedTable LoadDelimitedText(const std::string& path, const ParseProgress& progress)
{
    const TextFile file(path);
    return ParseDelimitedText(file.Text(), path == "-" ? "<stdin>" : path, progress);
}

} // namespace vantrel::loaders
