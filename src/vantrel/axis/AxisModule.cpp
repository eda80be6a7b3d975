// AxisModule: value/pixel conversion and grid selection, shared by the linear and logarithmic
// designs.
#include "axis/AxisModuleArithmetic.h"

#include <calcora/Calcora.h>
#include <cmath>
#include <vantrel/AxisModule.h>
#include <vantrel/Rounding.h>

namespace vantrel {

using namespace axisarith;

double CalcConv(int32_t pixel1, int32_t pixel2, double value1, double value2)
{
    double pixels = static_cast<double>(SubLong(pixel2, pixel1));
    return Div(pixels, Sub(value2, value1));
}

double CalcOffset(double conv, int32_t pixel1, double value1)
{
    return Sub(static_cast<double>(pixel1), Mul(conv, value1));
}

int32_t CalcPixel(double value, double offset, double conv)
{
    double x = Add(Mul(value, conv), offset);
    // A value far outside the bounds still gets a pixel; only a result that is no number at all
    // (an infinity or a NaN, also one passed in) is refused.
    if (!std::isfinite(x))
        throw Error(errOverflow);
    double pixel = RoundHalfEven(x);
    pixel = Less(pixel, 2147483647.0);
    pixel = More(pixel, -2147483648.0);
    return CLng(pixel);
}

double CalcValue(int32_t pixel, double offset, double conv)
{
    return Div(Sub(static_cast<double>(pixel), offset), conv);
}

double CalcGridStep(double upper, double lower, int32_t n)
{
    int32_t parts = AddLong(n, 1);
    double r = std::fabs(Div(Sub(upper, lower), static_cast<double>(parts)));
    if (!(r > 0.0))
        return 0.0;
    double power = Pow10(std::floor(Log10(r)));
    // Below the smallest subnormal the power of ten is 0 and the ladder would never climb.
    if (power == 0.0)
        throw Error(errOverflow);
    if (!(power < r))
        return power;
    // Half-unit ladder 1.5, 2, 2.5, ... of the power; each rung is one rounded product, as the
    // grid tables expect (0.1 * 3 gives 0.30000000000000004).
    double multiple = 1.0;
    double step;
    do {
        multiple += 0.5;
        step = Mul(power, multiple);
    } while (step < r);
    return step;
}

int32_t CalcGridFirst(double lower, double origin, double step)
{
    if (!(step > 0.0))
        return 0;
    return FloorLong(Add(Div(Sub(lower, origin), step), 1.0));
}

int32_t CalcGridCount(double upper, double origin, int32_t first, double step)
{
    if (!(step > 0.0))
        return 0;
    double firstValue = Add(Mul(static_cast<double>(first), step), origin);
    double x = Div(Sub(upper, firstValue), step);
    double whole = std::floor(x);
    double fraction = Sub(x, whole);
    // x rounded up; Ceil of the fraction is 0 for 0 and 1 for anything in (0, 1).
    return CLng(Add(whole, Ceil(fraction)));
}

double CalcGridValue(double origin, int32_t first, double step, int32_t index)
{
    double position = static_cast<double>(AddLong(first, index));
    return Add(Mul(position, step), origin);
}

} // namespace vantrel
