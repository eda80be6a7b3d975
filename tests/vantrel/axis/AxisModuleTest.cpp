// AxisModule procedures: rounding and clamping, the step ladder, and the arithmetic failures the
// designs turn into a False set-up.
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

TEST(AxisModule, ArithmeticFailuresRaiseTheirNumbers)
{
    struct Case {
        const char* label;
        std::function<void()> call;
        int32_t number;
    };
    const Case cases[] = {
        { "conv: pixel difference overflows", [] { CalcConv(INT32_MIN, INT32_MAX, 0, 1); }, 6 },
        { "conv: equal values", [] { CalcConv(0, 500, 5, 5); }, 11 },
        { "conv: 0 / 0", [] { CalcConv(7, 7, 5, 5); }, 6 },
        { "conv: value range overflows", [] { CalcConv(0, 500, -1e308, 1e308); }, 6 },
        { "conv: slope overflows", [] { CalcConv(0, 500, 0, 1e-320); }, 6 },
        { "offset overflows", [] { CalcOffset(1e300, 0, 1e10); }, 6 },
        { "value overflows", [] { CalcValue(INT32_MAX, 0, 1e-310); }, 6 },
        { "pixel: NaN value", [] { CalcPixel(nan, 0, 50); }, 6 },
        { "pixel: infinite value", [] { CalcPixel(inf, 0, 50); }, 6 },
        { "pixel: product overflows", [] { CalcPixel(1e300, 0, 1e10); }, 6 },
        { "step: n + 1 overflows", [] { CalcGridStep(10, 0, INT32_MAX); }, 6 },
        { "step: n = -1", [] { CalcGridStep(10, 0, -1); }, 11 },
        { "step: n = -1 on an empty range is 0 / 0", [] { CalcGridStep(5, 5, -1); }, 6 },
        { "step: range overflows", [] { CalcGridStep(1.7e308, -1.7e308, 4); }, 6 },
        { "step: ladder overflows", [] { CalcGridStep(1.7e308, 0, 0); }, 6 },
        // Below the smallest subnormal the power of ten is 0 and the ladder could never end.
        { "step: power of ten underflows", [] { CalcGridStep(1e-323, 0, 0); }, 6 },
        { "first: beyond Long", [] { CalcGridFirst(1e10, 0, 1); }, 6 },
        { "first: NaN lower", [] { CalcGridFirst(nan, 0, 1); }, 6 },
        { "count: beyond Long", [] { CalcGridCount(1e10, 0, 0, 1); }, 6 },
        { "count: infinite upper", [] { CalcGridCount(inf, 0, 0, 1); }, 6 },
        { "grid value: index sum overflows", [] { CalcGridValue(0, 1, 1, INT32_MAX); }, 6 },
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.label << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), c.number) << c.label;
        }
    }
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
        { "-2.5 ties to -2", -2.5, 0, 1, -2 },
        { "far above clamps", 1e300, 0, 50, INT32_MAX },
        { "far below clamps", -1e300, 0, 50, INT32_MIN },
        { "rounding past the top clamps", 2147483647.6, 0, 1, INT32_MAX },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcPixel(c.value, c.offset, c.conv), c.pixel) << c.label;
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
        { "r 1.667 climbs to 2", 10, 0, 5, 2 },
        { "r 3.5 is a rung, not 5", 7, 0, 1, 3.5 },
        { "r 9.1 climbs to 9.5", 9.1, 0, 0, 9.5 },
        { "r 9.6 climbs to 10", 9.6, 0, 0, 10 },
        { "power of ten skips the ladder", 1, 0, 9, 0.1 },
        { "0.3 comes out as 0.1 * 3", 1.2, 0, 3, 0.30000000000000004 },
        { "huge range", 1e300, -1e300, 1, 1e300 },
        { "empty range", 5, 5, 4, 0 },
        { "NaN range", nan, 0, 4, 0 },
        { "n of -2 splits into one negative part", 10, 0, -2, 10 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CalcGridStep(c.upper, c.lower, c.n), c.step) << c.label;
}

TEST(CalcGridFirstAndCount, NonPositiveStepGivesNoGrid)
{
    for (double step : { 0.0, -1.0, nan }) {
        EXPECT_EQ(CalcGridFirst(5, 0, step), 0) << step;
        EXPECT_EQ(CalcGridCount(10, 0, 1, step), 0) << step;
    }
}

} // namespace
