// Tests of the axis value text and the general number text.
#include "vantrel/ErrorOf.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <vantrel/Error.h>
#include <vantrel/ValueText.h>

namespace vantrel {
namespace {

constexpr int32_t normal = 0;
constexpr int32_t prefix = 1;
constexpr int32_t scientific = 2;
constexpr int32_t maxLong = std::numeric_limits<int32_t>::max();
constexpr int32_t minLong = std::numeric_limits<int32_t>::min();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(ValueText, WorkedResultsInAllThreeForms)
{
    const struct {
        const char* label;
        double value;
        int32_t precision;
        const char *normal, *prefix, *scientific;
    } cases[] = {
        { "2.5", 2.5, 2, "2.5 ", "2.5 ", "2.5 " },
        { "1500", 1500, 2, "1500 ", "1.5 K", "1.5E3 " },
        { "0.00047", 0.00047, 2, "0 ", "470 u", "4.7E-4 " },
        { "0.05", 0.05, 3, "0.05 ", "50 m", "5E-2 " },
        { "-0.0025", -0.0025, 4, "-0.0025 ", "-2.5 m", "-2.5E-3 " },
        { "2.5E9", 2.5e9, 2, "2500000000 ", "2.5 G", "2.5E9 " },
        { "0", 0, 2, "0 ", "0 ", "0 " },
        { "1234, no decimals", 1234, 0, "1234 ", "1 K", "1E3 " },
        { "1/3, unrounded", 1.0 / 3, -1, "0.333333333333333 ", "333.333333333333 m",
            "0.333333333333333 " },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatValue(c.value, normal, c.precision), c.normal) << c.label;
        EXPECT_EQ(FormatValue(c.value, prefix, c.precision), c.prefix) << c.label;
        EXPECT_EQ(FormatValue(c.value, scientific, c.precision), c.scientific) << c.label;
    }
}

TEST(ValueText, BoundariesRoundingAndPrecisionExtremes)
{
    const struct {
        const char* label;
        double value;
        int32_t format, precision;
        const char* expected;
    } cases[] = {
        // The prefix is chosen before rounding.
        { "999.999 rounds up but keeps no prefix", 999.999, prefix, 2, "1000 " },
        { "exactly 1000", 1000, prefix, 3, "1 K" },
        { "exactly 1E-9", 1e-9, prefix, 3, "1 n" },
        { "pico at 1E-12", 1e-12, prefix, 3, "1 p" },
        { "below pico unrounded shows its exponent", 5e-13, prefix, -1, "5E-13 " },
        { "nothing above G", 5e12, prefix, 3, "5000 G" },
        // Rounding to decimals: ties to even on the scaled double.
        { "2.5 to whole", 2.5, normal, 0, "2 " },
        { "0.12345 to 4", 0.12345, normal, 4, "0.1234 " },
        { "negative rounding to zero", -0.001, normal, 2, "0 " },
        { "largest precision", 1.0 / 3, normal, maxLong, "0.333333333333333 " },
        { "huge value with decimals", 1.5e300, normal, 3, "1.5E+300 " },
        // Scientific form: the normal text from 0.1 to below 100.
        { "99.99 stays normal", 99.99, scientific, 2, "99.99 " },
        { "100 takes the exponent", 100, scientific, 2, "1E2 " },
        { "0.1 stays normal", 0.1, scientific, 2, "0.1 " },
        { "just below 0.1", 0.09, scientific, 2, "9E-2 " },
        { "-99.99 stays normal", -99.99, scientific, 1, "-100 " },
        // The mantissa rounds half up on its decimal digits, not on the binary value.
        { "mantissa tie rounds up", 1250, scientific, 1, "1.3E3 " },
        { "mantissa rounds on decimal digits", 100500, scientific, 2, "1.01E5 " },
        { "carry raises the exponent", 999.96, scientific, 1, "1E3 " },
        { "ten decimals at the smallest", 1.0 / 30000, scientific, minLong, "3.3333333333E-5 " },
        { "all digits at the largest", 1.0 / 30000, scientific, maxLong, "3.33333333333333E-5 " },
        { "smallest subnormal", 5e-324, scientific, -1, "4.9406564584E-324 " },
        // Format numbers outside 0 to 2 behave as normal.
        { "format 3 is normal", 1500, 3, 2, "1500 " },
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatValue(c.value, c.format, c.precision), c.expected) << c.label;
}

TEST(ValueText, GeneralNumberText)
{
    const struct {
        const char* label;
        double value;
        const char* expected;
    } cases[] = {
        { "rounds to fifteen digits", 12.345678901234567, "12.3456789012346" },
        { "binary noise removed", 0.1 + 0.2, "0.3" },
        { "negative zero", -0.0, "0" },
        { "largest plain exponent", 999999999999999.0, "999999999999999" },
        { "exponent 15 switches", 1e15, "1E+15" },
        { "smallest plain exponent", 0.0001, "0.0001" },
        { "exponent -5 switches", 0.00001, "1E-05" },
        { "smallest subnormal", 5e-324, "4.94065645841247E-324" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(GeneralNumberText(c.value), c.expected) << c.label;
}

TEST(ValueText, GetPrefixScalesAndNonFiniteValuesRaiseOverflow)
{
    EXPECT_EQ(GetPrefix(-1500), (PrefixedValue { -1.5, "K" }));
    EXPECT_EQ(GetPrefix(9e-13), (PrefixedValue { 9e-13, "" }));

    for (double value : { std::numeric_limits<double>::quiet_NaN(), inf, -inf }) {
        for (int32_t format : { normal, prefix, scientific }) {
            for (int32_t precision : { -1, 0, 3 })
                EXPECT_EQ(
                    test::ErrorOf([&] { FormatValue(value, format, precision); }), errOverflow)
                    << value << " format " << format;
        }
        EXPECT_THROW(GetPrefix(value), Error) << value;
        EXPECT_THROW(GeneralNumberText(value), Error) << value;
    }
}

} // namespace
} // namespace vantrel
