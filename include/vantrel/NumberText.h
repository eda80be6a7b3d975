// General number text: the display conversion of a double that value text and variant
// conversion share (internal; the control and tests use it, hosts do not need it).
#pragma once

#include <string>

namespace vantrel {

// The platform's display conversion of a double: at most 15 significant digits, no trailing
// zeros and no trailing full stop, "-" only in front of negative values (negative zero is "0").
// Plain decimal form while the decimal exponent e of the 15-digit value lies in -4 <= e < 15,
// otherwise mantissa, "E", a sign always and at least two exponent digits
// (1E+15, 1E-05, 1.234E+16). The decimal separator is always the full stop.
// NaN and infinities raise Error 6: the platform raises overflow whenever arithmetic would
// produce them, so they never reach it as numbers to show.
std::string GeneralNumberText(double value);

} // namespace vantrel
