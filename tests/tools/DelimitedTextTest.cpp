// The delimited-text loader: detection rules, special fields, and errors with their positions.
#include "vantrel/ErrorOf.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <loaders/DelimitedText.h>
#include <random>
#include <vantrel/Error.h>

namespace vantrel::loaders {
namespace {

TEST(DelimitedText, DetectionAndFields)
{
    const double nan = std::nan("");
    const double inf = HUGE_VAL;
    struct Row {
        const char* label;
        const char* text;
        char delimiter;
        std::vector<std::string> names;
        std::vector<std::vector<double>> columns;
    };
    const Row rows[] = {
        { "comma with header", "t,a\n0,1\n1,2\n", ',', { "t", "a" }, { { 0, 1 }, { 1, 2 } } },
        { "semicolon, quoted names", "\"t\";\"a b\"\n0;1.5\n", ';', { "t", "a b" },
            { { 0 }, { 1.5 } } },
        { "tab, no header, CR LF, CR at the end", "1\t2\r\n3\t4\r", '\t', { "", "" },
            { { 1, 3 }, { 2, 4 } } },
        { "spaces, runs and tabs", "  1   2\n3 \t 4  \n", ' ', { "", "" }, { { 1, 3 }, { 2, 4 } } },
        { "comments and blank lines", "# head\n\n  # indented\nx,y\n1,2\n\n#tail\n", ',',
            { "x", "y" }, { { 1 }, { 2 } } },
        { "empty field breaks the line", "1,,3\n4, ,6\n", ',', { "", "", "" },
            { { 1, 4 }, { nan, nan }, { 3, 6 } } },
        { "nan, NaN, inf", "nan,inf\nNaN,-inf\n+2,1e3\n", ',', { "", "" },
            { { nan, nan, 2 }, { inf, -inf, 1000 } } },
        { "trailing delimiter is an empty column", "1,2,\n", ',', { "", "", "" },
            { { 1 }, { 2 }, { nan } } },
        { "header only", "a;b\n", ';', { "a", "b" }, { {}, {} } },
        { "empty text", "", ',', {}, {} },
    };
    for (const Row& row : rows) {
        const DelimitedTable table = ParseDelimitedText(row.text, "t.csv");
        EXPECT_EQ(table.Names, row.names) << row.label;
        ASSERT_EQ(table.Columns.size(), row.columns.size()) << row.label;
        if (!row.columns.empty()) {
            EXPECT_EQ(table.Delimiter, row.delimiter) << row.label;
        }
        for (std::size_t c = 0; c < row.columns.size(); ++c) {
            ASSERT_EQ(table.Columns[c].size(), row.columns[c].size()) << row.label;
            for (std::size_t r = 0; r < row.columns[c].size(); ++r) {
                const double want = row.columns[c][r];
                const double got = table.Columns[c][r];
                EXPECT_TRUE(std::isnan(want) ? std::isnan(got) : got == want)
                    << row.label << " column " << c << " row " << r << ": " << got;
            }
        }
    }
}

TEST(DelimitedText, ErrorsNameLineAndColumn)
{
    struct Row {
        const char* label;
        const char* text;
        const char* message;
    };
    const Row rows[] = {
        { "not a number", "x,y\n1,2\n3,abc\n", "f.csv:3:3: 'abc' is not a number" },
        { "number with junk", "1,2\n3,4x\n", "f.csv:2:3: '4x' is not a number" },
        { "too few fields", "1,2,3\n4,5\n", "f.csv:2:4: expected 3 fields, found 2" },
        { "too many fields", "1;2\n3;4;5\n", "f.csv:2:4: more than 2 fields" },
        { "too few, spaces", "1 2 3\n4 5\n", "f.csv:2:4: expected 3 fields, found 2" },
        { "after comments", "# a\n# b\n1\t2\n1\tq\n", "f.csv:4:3: 'q' is not a number" },
    };
    for (const Row& row : rows) {
        std::string message;
        EXPECT_EQ(test::ErrorOf([&] { ParseDelimitedText(row.text, "f.csv"); }, message),
            errInvalidPropertyValue)
            << row.label;
        EXPECT_EQ(message, row.message) << row.label;
    }
}

TEST(DelimitedText, MissingFile)
{
    EXPECT_EQ(test::ErrorOf(
                  [] { LoadDelimitedText(std::string(VANTREL_TEST_OUTPUT_DIR) + "/no-such.csv"); }),
        53);
}

// Numbers printed to 17 digits read back to the same doubles, whatever the delimiter.
TEST(DelimitedText, RandomTablesReadBackExactly)
{
    const uint32_t seed = std::random_device {}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (const char* delimiter : { ",", ";", "\t", "  " }) {
        const std::size_t columns = 1 + random() % 5;
        std::vector<std::vector<double>> expected(columns);
        std::string text;
        char number[32];
        for (int row = 0; row < 200; ++row) {
            for (std::size_t c = 0; c < columns; ++c) {
                const double value = std::ldexp(mantissa(random), exponent(random));
                expected[c].push_back(value);
                std::snprintf(number, sizeof number, "%.17g", value);
                text += (c ? delimiter : "") + std::string(number);
            }
            text += "\n";
        }
        const DelimitedTable table = ParseDelimitedText(text, "r");
        EXPECT_EQ(table.Columns, expected) << "delimiter '" << delimiter << "'";
    }
}

} // namespace
} // namespace vantrel::loaders
