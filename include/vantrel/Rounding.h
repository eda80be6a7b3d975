// The one rounding helper family: floating values to 32- and 16-bit integers.
#pragma once

#include <cstdint>

namespace vantrel {

// Nearest integer, ties to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Raises Error 6 when the result does not fit the target type or the value is NaN.
int32_t CLng(double value);
int16_t CInt(double value);

// The rounding step alone, without the range check: nearest whole number, ties to even.
// NaN and infinities come back unchanged.
double RoundHalfEven(double value);

} // namespace vantrel
