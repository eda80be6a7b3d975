// AxisModule procedures: conversion, rounding and clamping, the step ladder, and the arithmetic
// failures the designs turn into a False set-up.
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <vantrel/AxisModule.h>
#include <vantrel/Error.h>

using namespace vantrel;

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

struct ErrorCase {
    const char* label;
    std::function<void()> call;
    int32_t number;
};

void ExpectErrors(const std::vector<ErrorCase>& cases)
{
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.label << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), c.number) << c.label;
        }
    }
}

TEST(CalcConv, SlopeAndOffsetOfTheWorkedAxes)
{
    EXPECT_EQ(CalcConv(0, 500, 0.0, 10.0), 50.0);
    EXPECT_EQ(CalcConv(300, 0, 0.0, 10.0), -30.0);
    EXPECT_EQ(CalcConv(0, 500, 10.0, 0.0), -50.0);
    EXPECT_EQ(CalcOffset(-30.0, 300, 0.0), 300.0);
    EXPECT_EQ(CalcOffset(-50.0, 0, 10.0), 500.0);
    EXPECT_EQ(CalcValue(0, 300.0, -30.0), 10.0);
}

TEST(CalcConv, ArithmeticFailures)
{
    ExpectErrors({
        { "pixel difference overflows", [] { CalcConv(INT32_MIN, INT32_MAX, 0, 1); }, 6 },
        { "pixel difference underflows", [] { CalcConv(INT32_MAX, -2, 0, 1); }, 6 },
        { "equal values", [] { CalcConv(0, 500, 5, 5); }, 11 },
        { "equal values and pixels", [] { CalcConv(7, 7, 5, 5); }, 6 },
        { "value range overflows", [] { CalcConv(0, 500, -1e308, 1e308); }, 6 },
        { "slope overflows", [] { CalcConv(0, 500, 0, 1e-320); }, 6 },
        { "offset overflows", [] { CalcOffset(1e300, 0, 1e10); }, 6 },
        { "value overflows", [] { CalcValue(INT32_MAX, 0, 1e-310); }, 6 },
    });
    // Arguments that are already infinite or NaN flow through without a trap.
    EXPECT_EQ(CalcConv(0, 500, 0, inf), 0.0);
    EXPECT_TRUE(std::isnan(CalcConv(0, 500, nan, 1)));
}

TEST(CalcPixel, RoundsTiesToEvenAndClampsToLong)
{
    struct Case {
        const char* label;
        double value, offset, conv;
        int32_t pixel;
    };
    const Case cases[] = {
        { "112.5 ties to 112", 2.25, 0, 50, 112 },
        { "137.5 ties to 138", 2.75, 0, 50, 138 },
        { "-2.5 ties to -2", -2.5, 0, 1, -2 },
        { "y axis middle", 5, 300, -30, 150 },
        { "far above clamps", 1e300, 0, 50, INT32_MAX },
        { "far below clamps", -1e300, 0, 50, INT32_MIN },
        { "just above the range clamps", 2147483647.6, 0, 1, INT32_MAX },
        { "lower limit exact", -2147483648.0, 0, 1, INT32_MIN },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcPixel(c.value, c.offset, c.conv), c.pixel) << c.label;
}

TEST(CalcPixel, NoNumberIsAnOverflow)
{
    ExpectErrors({
        { "NaN value", [] { CalcPixel(nan, 0, 50); }, 6 },
        { "infinite value", [] { CalcPixel(inf, 0, 50); }, 6 },
        { "product overflows", [] { CalcPixel(1e300, 0, 1e10); }, 6 },
        { "sum overflows", [] { CalcPixel(1.7e308, 1.7e308, 1); }, 6 },
    });
}

TEST(CalcGridStep, HalfUnitLadder)
{
    struct Case {
        const char* label;
        double upper, lower;
        int32_t n;
        double step;
    };
    const Case cases[] = {
        { "r 2 is a rung", 10, 0, 4, 2 },
        { "r 1.667 climbs to 2", 10, 0, 5, 2 },
        { "r 25", 100, 0, 3, 25 },
        { "r 1.4 stops at 1.5", 7, 0, 4, 1.5 },
        { "r 3.5 is a rung, not 5", 7, 0, 1, 3.5 },
        { "r 9.1 climbs to 9.5", 9.1, 0, 0, 9.5 },
        { "r 9.6 climbs to 10", 9.6, 0, 0, 10 },
        { "power of ten skips the ladder", 1, 0, 9, 0.1 },
        { "0.3 comes out as 0.1 * 3", 1.2, 0, 3, 0.30000000000000004 },
        { "reversed bounds", 0, 10, 4, 2 },
        { "small range", 0.001, 0, 4, 0.0002 },
        { "huge range", 1e300, -1e300, 1, 1e300 },
        { "empty range", 5, 5, 4, 0 },
        { "NaN range", nan, 0, 4, 0 },
        { "n of -2 splits into one negative part", 10, 0, -2, 10 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcGridStep(c.upper, c.lower, c.n), c.step) << c.label;
}

TEST(CalcGridStep, ArithmeticFailures)
{
    ExpectErrors({
        { "n + 1 overflows", [] { CalcGridStep(10, 0, INT32_MAX); }, 6 },
        { "n = -1 divides by zero", [] { CalcGridStep(10, 0, -1); }, 11 },
        { "n = -1 on an empty range is 0/0", [] { CalcGridStep(5, 5, -1); }, 6 },
        { "range overflows", [] { CalcGridStep(1.7e308, -1.7e308, 4); }, 6 },
        { "ladder overflows", [] { CalcGridStep(1.7e308, 0, 0); }, 6 },
        // The power of ten below the smallest subnormal is 0; the ladder could never end.
        { "power of ten underflows", [] { CalcGridStep(1e-323, 0, 0); }, 6 },
    });
}

TEST(CalcGridFirst, FirstIndexStrictlyAboveLower)
{
    struct Case {
        const char* label;
        double lower, origin, step;
        int32_t first;
    };
    const Case cases[] = {
        { "lower on a grid value is skipped", 0, 0, 2, 1 },
        { "lower between grid values", 0.5, 0, 2, 1 },
        { "negative lower", -3, 0, 2, -1 },
        { "origin outside the range", 3, 0.5, 2, 2 },
        { "zero step", 5, 0, 0, 0 },
        { "negative step", 5, 0, -1, 0 },
        { "NaN step", 5, 0, nan, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcGridFirst(c.lower, c.origin, c.step), c.first) << c.label;
    ExpectErrors({
        { "index beyond Long", [] { CalcGridFirst(1e10, 0, 1); }, 6 },
        { "NaN lower", [] { CalcGridFirst(nan, 0, 1); }, 6 },
        { "quotient overflows", [] { CalcGridFirst(1e300, 0, 1e-300); }, 6 },
    });
}

TEST(CalcGridCount, ValuesStrictlyBelowUpper)
{
    struct Case {
        const char* label;
        double upper, origin;
        int32_t first;
        double step;
        int32_t count;
    };
    const Case cases[] = {
        { "upper on a grid value is excluded", 10, 0, 1, 2, 4 },
        { "upper between grid values", 7, 0, -1, 2, 5 },
        { "first value above upper", 0.001, 0, 1, 0.01, 0 },
        { "origin outside the range", 9, 0.5, 2, 2, 3 },
        { "zero step", 10, 0, 1, 0, 0 },
        { "NaN step", 10, 0, 1, nan, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcGridCount(c.upper, c.origin, c.first, c.step), c.count) << c.label;
    ExpectErrors({
        { "count beyond Long", [] { CalcGridCount(1e10, 0, 0, 1); }, 6 },
        { "NaN upper", [] { CalcGridCount(nan, 0, 0, 1); }, 6 },
        { "infinite upper", [] { CalcGridCount(inf, 0, 0, 1); }, 6 },
    });
}

TEST(CalcGridValue, CountsFromTheOrigin)
{
    EXPECT_EQ(CalcGridValue(0.5, 2, 2, 0), 4.5);
    EXPECT_EQ(CalcGridValue(0.5, 2, 2, 2), 8.5);
    EXPECT_EQ(CalcGridValue(0, -1, 2, 0), -2);
    ExpectErrors({
        { "index sum overflows", [] { CalcGridValue(0, 1, 1, INT32_MAX); }, 6 },
        { "value overflows", [] { CalcGridValue(0, 10, 1e308, 0); }, 6 },
    });
}

} // namespace
