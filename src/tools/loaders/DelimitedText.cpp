// The delimited-text parser: one pass over the text, fields straight into the columns.
#include "loaders/DelimitedText.h"

#include "loaders/TextFile.h"

#include <cmath>
#include <cstring>
#include <fast_float/fast_float.h>
#include <limits>
#include <vantrel/Error.h>

namespace vantrel::loaders {

namespace {

constexpr char kSpaces = ' '; // the delimiter value that stands for runs of blanks
constexpr std::size_t kProgressStep = 16u << 20;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

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
            const auto* newline = static_cast<const char*>(std::memchr(p, '\n', end - p));
            const char* next = newline ? newline + 1 : end;
            Line line { p, newline ? newline : end, ++number };
            if (line.end > line.begin && line.end[-1] == '\r')
                --line.end;
            p = next;
            const char* first = SkipBlanks(line.begin, line.end, true);
            if (first == line.end || *first == '#')
                continue;
            if (table.Columns.empty())
                Start(table, line);
            else
                Row(table, line);
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
        for (auto& column : table.Columns)
            column.reserve(rows);
        if (header) {
            table.HasHeader = true;
            table.Names = std::move(names);
        } else {
            table.Names.assign(names.size(), std::string());
            Row(table, line);
        }
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
