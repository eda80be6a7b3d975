// Axis value text: the number-to-text procedures of AxisModule (internal; the control and tests
// use them, hosts do not need them).
#pragma once

#include <cstdint>
#include <string>
#include <vantrel/NumberText.h>

namespace vantrel {

// The text of a value in the style of GraphAxisValueFormatConstants: FormatPrefix for format 1,
// FormatScientific for 2, FormatNormal for 0 and every other number. Every text ends in a space
// followed by the prefix letter, if any, so that a unit can be appended directly.
// Non-finite values raise Error 6 in every style.
std::string FormatValue(double value, int32_t format, int32_t precision);

// The value rounded to `precision` decimals (ties to even; none when precision < 0), in general
// number text, then " ".
std::string FormatNormal(double value, int32_t precision);

// The value scaled by GetPrefix, then rounded like FormatNormal, then " " and the prefix letter.
// The prefix is chosen before rounding, so 999.999 at precision 2 gives "1000 ", not "1 K".
std::string FormatPrefix(double value, int32_t precision);

// Mantissa and exponent (1.5E3, 4.7E-4) with at most `precision` decimals (ten when precision
// < 0), then " "; values with 0.1 <= |value| < 100, and zero, get the FormatNormal text instead.
std::string FormatScientific(double value, int32_t precision);

// An engineering-scaled value and its prefix letter.
struct PrefixedValue {
    double Scaled = 0.0;
    std::string Prefix; // "G", "M", "K", "", "m", "u", "n", "p"; "" also below 1E-12 and for 0

    bool operator==(const PrefixedValue&) const = default;
};

// The first of G (|value| >= 1E9), M, K, none (>= 1), m, u, n, p (>= 1E-12) whose threshold
// |value| reaches; below 1E-12 the value stays unscaled. Nothing above G: 5E12 is 5000 G.
// Non-finite values raise Error 6.
PrefixedValue GetPrefix(double value);

} // namespace vantrel
