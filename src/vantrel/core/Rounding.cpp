// Banker's rounding to integers with the platform's overflow rule.
#include <cmath>
#include <vantrel/Error.h>
#include <vantrel/Rounding.h>

namespace vantrel {

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    // Independent of the floating-point environment's rounding mode.
    double whole = std::floor(value);
    double fraction = value - whole;
    if (fraction > 0.5)
        return whole + 1.0;
    if (fraction < 0.5)
        return whole;
    return std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1.0;
}

namespace {

template <class Integer> Integer RoundChecked(double value, double lowest, double highest)
{
    double rounded = RoundHalfEven(value);
    // NaN fails both comparisons, so it is refused here too.
    if (!(rounded >= lowest && rounded <= highest))
        throw Error(errOverflow);
    return static_cast<Integer>(rounded);
}

} // namespace

int32_t CLng(double value) { return RoundChecked<int32_t>(value, -2147483648.0, 2147483647.0); }

int16_t CInt(double value) { return RoundChecked<int16_t>(value, -32768.0, 32767.0); }

} // namespace vantrel
