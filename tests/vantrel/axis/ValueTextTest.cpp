// Tests of the axis value text and the general number text.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vantrel/Error.h>
#include <vantrel/ValueText.h>

namespace vantrel {
namespace {

constexpr int32_t normal = 0;
constexpr int32_t prefix = 1;
constexpr int32_t scientific = 2;
constexpr int32_t maxLong = std::numeric_limits<int32_t>::max();
constexpr int32_t minLong = std::numeric_limits<int32_t>::min();

struct ValueTextCase {
    const char* label;
    double value;
    int32_t format;
    int32_t precision;
    const char* expected;
};

const ValueTextCase valueTextCases[] = {
    // The worked results, in all three forms.
    { "2.5 normal", 2.5, normal, 2, "2.5 " },
    { "2.5 prefix", 2.5, prefix, 2, "2.5 " },
    { "2.5 scientific", 2.5, scientific, 2, "2.5 " },
    { "1500 normal", 1500, normal, 2, "1500 " },
    { "1500 prefix", 1500, prefix, 2, "1.5 K" },
    { "1500 scientific", 1500, scientific, 2, "1.5E3 " },
    { "1234 normal", 1234, normal, 3, "1234 " },
    { "1234 prefix", 1234, prefix, 3, "1.234 K" },
    { "1234 scientific", 1234, scientific, 3, "1.234E3 " },
    { "0.00047 normal", 0.00047, normal, 2, "0 " },
    { "0.00047 prefix", 0.00047, prefix, 2, "470 u" },
    { "0.00047 scientific", 0.00047, scientific, 2, "4.7E-4 " },
    { "0.05 normal", 0.05, normal, 3, "0.05 " },
    { "0.05 prefix", 0.05, prefix, 3, "50 m" },
    { "0.05 scientific", 0.05, scientific, 3, "5E-2 " },
    { "-0.0025 normal", -0.0025, normal, 4, "-0.0025 " },
    { "-0.0025 prefix", -0.0025, prefix, 4, "-2.5 m" },
    { "-0.0025 scientific", -0.0025, scientific, 4, "-2.5E-3 " },
    { "2.5E9 normal", 2.5e9, normal, 2, "2500000000 " },
    { "2.5E9 prefix", 2.5e9, prefix, 2, "2.5 G" },
    { "2.5E9 scientific", 2.5e9, scientific, 2, "2.5E9 " },
    { "0 normal", 0, normal, 2, "0 " },
    { "0 prefix", 0, prefix, 2, "0 " },
    { "0 scientific", 0, scientific, 2, "0 " },
    { "1234 normal, no decimals", 1234, normal, 0, "1234 " },
    { "1234 prefix, no decimals", 1234, prefix, 0, "1 K" },
    { "1234 scientific, no decimals", 1234, scientific, 0, "1E3 " },
    { "1/3 normal, unrounded", 1.0 / 3, normal, -1, "0.333333333333333 " },
    { "1/3 prefix, unrounded", 1.0 / 3, prefix, -1, "333.333333333333 m" },
    { "1/3 scientific, unrounded", 1.0 / 3, scientific, -1, "0.333333333333333 " },

    // Prefix boundaries: the prefix is chosen before rounding.
    { "999.999 rounds up but keeps no prefix", 999.999, prefix, 2, "1000 " },
    { "0.0009999 rounds up but keeps u", 0.0009999, prefix, 0, "1000 u" },
    { "exactly 1000", 1000, prefix, 3, "1 K" },
    { "exactly 0.001", 0.001, prefix, 3, "1 m" },
    { "exactly 1", 1, prefix, 3, "1 " },
    { "exactly 1E-9", 1e-9, prefix, 3, "1 n" },
    { "pico at 1E-12", 1e-12, prefix, 3, "1 p" },
    { "below pico stays unscaled and rounds away", 5e-13, prefix, 3, "0 " },
    { "below pico unrounded shows its exponent", 5e-13, prefix, -1, "5E-13 " },
    { "nothing above G", 5e12, prefix, 3, "5000 G" },

    // Rounding to decimals: ties to even on the scaled double.
    { "2.5 to whole", 2.5, normal, 0, "2 " },
    { "3.5 to whole", 3.5, normal, 0, "4 " },
    { "0.125 to 2 is a tie", 0.125, normal, 2, "0.12 " },
    { "0.12345 to 4", 0.12345, normal, 4, "0.1234 " },
    { "0.12355 to 4", 0.12355, normal, 4, "0.1236 " },
    { "negative rounding to zero", -0.001, normal, 2, "0 " },
    { "precision beyond 15 digits", 1.0 / 3, normal, 20, "0.333333333333333 " },
    { "precision 309 overflows the scale", 1.0 / 3, normal, 309, "0.333333333333333 " },
    { "largest precision", 1.0 / 3, normal, maxLong, "0.333333333333333 " },
    { "smallest precision", 1.0 / 3, normal, minLong, "0.333333333333333 " },
    { "huge value with decimals", 1.5e300, normal, 3, "1.5E+300 " },

    // Scientific form: the normal text from 0.1 to below 100.
    { "99.99 stays normal", 99.99, scientific, 2, "99.99 " },
    { "100 takes the exponent", 100, scientific, 2, "1E2 " },
    { "just below 0.1", 0.09, scientific, 2, "9E-2 " },
    { "-99.99 stays normal", -99.99, scientific, 1, "-100 " },
    // The mantissa rounds half up on its decimal digits, not on the binary value.
    { "mantissa tie rounds up", 1250, scientific, 1, "1.3E3 " },
    { "negative mantissa tie rounds away", -0.00225, scientific, 1, "-2.3E-3 " },
    { "mantissa rounds on decimal digits", 100500, scientific, 2, "1.01E5 " },
    { "carry raises the exponent", 999.96, scientific, 1, "1E3 " },
    { "ten decimals when negative", 1.0 / 30000, scientific, -1, "3.3333333333E-5 " },
    { "ten decimals at the smallest precision", 1.0 / 30000, scientific, minLong,
        "3.3333333333E-5 " },
    { "all digits at the largest precision", 1.0 / 30000, scientific, maxLong,
        "3.33333333333333E-5 " },
    { "smallest subnormal", 5e-324, scientific, -1, "4.9406564584E-324 " },
    { "largest double", DBL_MAX, scientific, 3, "1.798E308 " },

    // Format numbers outside 0 to 2 behave as normal.
    { "format 3 is normal", 1500, 3, 2, "1500 " },
    { "format -1 is normal", 1500, -1, 2, "1500 " },
};

class ValueTextTable : public testing::TestWithParam<ValueTextCase> { };

TEST_P(ValueTextTable, FormatValue)
{
    const ValueTextCase& c = GetParam();
    EXPECT_EQ(FormatValue(c.value, c.format, c.precision), c.expected) << c.label;
}

INSTANTIATE_TEST_SUITE_P(Cases, ValueTextTable, testing::ValuesIn(valueTextCases));

struct GeneralTextCase {
    const char* label;
    double value;
    const char* expected;
};

const GeneralTextCase generalTextCases[] = {
    { "fifteen digits of pi", 3.14159265358979323846, "3.14159265358979" },
    { "rounds to fifteen digits", 12.345678901234567, "12.3456789012346" },
    { "binary noise removed", 0.1 + 0.2, "0.3" },
    { "negative", -0.25, "-0.25" },
    { "negative zero", -0.0, "0" },
    { "largest plain exponent", 999999999999999.0, "999999999999999" },
    { "exponent 15 switches", 1e15, "1E+15" },
    { "rounding up to exponent 15 switches", 999999999999999.9, "1E+15" },
    { "mantissa digits kept", 1.234e16, "1.234E+16" },
    { "three exponent digits", 1e100, "1E+100" },
    { "smallest plain exponent", 0.0001, "0.0001" },
    { "exponent -5 switches", 0.00001, "1E-05" },
    { "rounding up to exponent -4 stays plain", 0.000099999999999999999, "0.0001" },
    { "small with digits", 5.6789e-12, "5.6789E-12" },
    { "negative exponent form", -1.5e-7, "-1.5E-07" },
    { "largest double", DBL_MAX, "1.79769313486232E+308" },
    { "smallest subnormal", 5e-324, "4.94065645841247E-324" },
};

class GeneralTextTable : public testing::TestWithParam<GeneralTextCase> { };

TEST_P(GeneralTextTable, GeneralNumberText)
{
    const GeneralTextCase& c = GetParam();
    EXPECT_EQ(GeneralNumberText(c.value), c.expected) << c.label;
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneralTextTable, testing::ValuesIn(generalTextCases));

TEST(GetPrefix, ScalesByTheChosenPower)
{
    EXPECT_EQ(GetPrefix(-1500), (PrefixedValue { -1.5, "K" }));
    EXPECT_EQ(GetPrefix(999.999), (PrefixedValue { 999.999, "" }));
    EXPECT_EQ(GetPrefix(0.0), (PrefixedValue { 0.0, "" }));
    EXPECT_EQ(GetPrefix(9e-13), (PrefixedValue { 9e-13, "" }));
}

TEST(ValueText, NonFiniteValuesRaiseOverflowInEveryForm)
{
    const double values[] = { std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity() };
    for (double value : values) {
        for (int32_t format : { normal, prefix, scientific }) {
            for (int32_t precision : { -1, 0, 3 }) {
                try {
                    FormatValue(value, format, precision);
                    ADD_FAILURE() << value << " format " << format << " gave no error";
                } catch (const Error& error) {
                    EXPECT_EQ(error.Number(), errOverflow) << value << " format " << format;
                }
            }
        }
        EXPECT_THROW(GetPrefix(value), Error) << value;
        EXPECT_THROW(GeneralNumberText(value), Error) << value;
    }
}

} // namespace
} // namespace vantrel
