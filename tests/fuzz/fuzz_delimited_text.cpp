// Fuzz target: delimited text. A table that parses, written back with its own delimiter (names
// quoted, numbers to 17 digits), parses to the same names and values; anything else is refused
// with error 380 at a position inside the text.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <loaders/DelimitedText.h>
#include <string>
#include <vantrel/Error.h>

namespace {

std::string WrittenBack(const vantrel::loaders::DelimitedTable& table)
{
    const char delimiter = table.Delimiter;
    std::string text;
    if (table.HasHeader) {
        for (std::size_t c = 0; c < table.Names.size(); ++c)
            text += (c ? std::string(1, delimiter) : "") + "\"" + table.Names[c] + "\"";
        text += "\n";
    }
    char number[40];
    for (std::size_t r = 0; r < table.Rows(); ++r) {
        for (std::size_t c = 0; c < table.Columns.size(); ++c) {
            const double value = table.Columns[c][r];
            std::snprintf(number, sizeof number, "%.17g", value);
            text += (c ? std::string(1, delimiter) : "") + (std::isnan(value) ? "nan" : number);
        }
        text += "\n";
    }
    return text;
}

bool Same(double a, double b)
{
    return std::isnan(a) ? std::isnan(b) : std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vantrel::loaders::DelimitedTable table;
    try {
        table = vantrel::loaders::ParseDelimitedText(text, "fuzz");
    } catch (const vantrel::Error& error) {
        if (error.Number() != vantrel::errInvalidPropertyValue
            || std::strncmp(error.what(), "fuzz:", 5) != 0)
            std::abort();
        return 0;
    }
    if (table.Names.size() != table.Columns.size())
        std::abort();
    for (const auto& column : table.Columns)
        if (column.size() != table.Rows())
            std::abort();
    if (table.Columns.empty() || (table.Rows() == 0 && !table.HasHeader))
        return 0;
    const vantrel::loaders::DelimitedTable again
        = vantrel::loaders::ParseDelimitedText(WrittenBack(table), "again");
    if (again.Names != table.Names || again.Columns.size() != table.Columns.size()
        || again.Rows() != table.Rows())
        std::abort();
    for (std::size_t c = 0; c < table.Columns.size(); ++c)
        for (std::size_t r = 0; r < table.Rows(); ++r)
            if (!Same(again.Columns[c][r], table.Columns[c][r]))
                std::abort();
    return 0;
}
