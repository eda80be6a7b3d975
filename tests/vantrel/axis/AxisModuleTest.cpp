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

TEST(AxisModule, ResultsAndArithmeticFailures)
{
    const struct {
        const char* label;
        std::function<double()> call;
        double result; // compared exactly; NaN matches NaN
        int32_t error; // 0 when the call must return result
    } cases[] = {
        { "conv: pixel difference overflows", [] { return CalcConv(INT32_MIN, INT32_MAX, 0, 1); },
            0, 6 },
        { "conv: equal values", [] { return CalcConv(0, 500, 5, 5); }, 0, 11 },
        { "conv: value range overflows", [] { return CalcConv(0, 500, -1e308, 1e308); }, 0, 6 },
        { "conv: slope overflows", [] { return CalcConv(0, 500, 0, 1e-320); }, 0, 6 },
        // Arguments that are already infinite or NaN flow through without a trap.
        { "conv: infinite value", [] { return CalcConv(0, 500, 0, inf); }, 0, 0 },
        { "conv: NaN value", [] { return CalcConv(0, 500, nan, 1); }, nan, 0 },
        { "offset overflows", [] { return CalcOffset(1e300, 0, 1e10); }, 0, 6 },
        { "value overflows", [] { return CalcValue(INT32_MAX, 0, 1e-310); }, 0, 6 },
        { "pixel: rounding past the top", [] { return CalcPixel(2147483647.6, 0, 1); }, INT32_MAX,
            0 },
        { "pixel: NaN value", [] { return CalcPixel(nan, 0, 50); }, 0, 6 },
        { "pixel: product overflows", [] { return CalcPixel(1e300, 0, 1e10); }, 0, 6 },
        { "step: r 1.667 climbs to 2", [] { return CalcGridStep(10, 0, 5); }, 2, 0 },
        { "step: r 3.5 is a rung, not 5", [] { return CalcGridStep(7, 0, 1); }, 3.5, 0 },
        { "step: r 9.1 climbs to 9.5", [] { return CalcGridStep(9.1, 0, 0); }, 9.5, 0 },
        { "step: r 9.6 climbs to 10", [] { return CalcGridStep(9.6, 0, 0); }, 10, 0 },
        { "step: power of ten skips the ladder", [] { return CalcGridStep(1, 0, 9); }, 0.1, 0 },
        { "step: empty range", [] { return CalcGridStep(5, 5, 4); }, 0, 0 },
        { "step: NaN range", [] { return CalcGridStep(nan, 0, 4); }, 0, 0 },
        { "step: n -2 is one negative part", [] { return CalcGridStep(10, 0, -2); }, 10, 0 },
        { "step: n + 1 overflows", [] { return CalcGridStep(10, 0, INT32_MAX); }, 0, 6 },
        { "step: n = -1", [] { return CalcGridStep(10, 0, -1); }, 0, 11 },
        { "step: n = -1 on an empty range", [] { return CalcGridStep(5, 5, -1); }, 0, 6 },
        { "step: range overflows", [] { return CalcGridStep(1.7e308, -1.7e308, 4); }, 0, 6 },
        { "step: ladder overflows", [] { return CalcGridStep(1.7e308, 0, 0); }, 0, 6 },
        // Below the smallest subnormal the power of ten is 0 and the ladder could never end.
        { "step: power of ten underflows", [] { return CalcGridStep(1e-323, 0, 0); }, 0, 6 },
        { "first: beyond Long", [] { return CalcGridFirst(1e10, 0, 1); }, 0, 6 },
        { "first: NaN lower", [] { return CalcGridFirst(nan, 0, 1); }, 0, 6 },
        { "first: NaN step", [] { return CalcGridFirst(5, 0, nan); }, 0, 0 },
        { "count: beyond Long", [] { return CalcGridCount(1e10, 0, 0, 1); }, 0, 6 },
        { "count: infinite upper", [] { return CalcGridCount(inf, 0, 0, 1); }, 0, 6 },
        { "count: NaN step", [] { return CalcGridCount(10, 0, 1, nan); }, 0, 0 },
        { "grid value: index sum overflows", [] { return CalcGridValue(0, 1, 1, INT32_MAX); }, 0,
            6 },
    };
    for (const auto& c : cases) {
        try {
            const double result = c.call();
            EXPECT_EQ(c.error, 0) << c.label << ": no error";
            EXPECT_TRUE(result == c.result || (std::isnan(result) && std::isnan(c.result)))
                << c.label << " gave " << result;
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), c.error) << c.label;
        }
    }
}

} // namespace
