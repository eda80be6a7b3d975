// Checked arithmetic for the axis code: the platform's floating-point and 32-bit traps, made
// explicit.
#pragma once

#include <cmath>
#include <cstdint>
#include <vantrel/Error.h>
#include <vantrel/Rounding.h>

namespace vantrel::axisarith {

// The platform trapped the invalid-operation, overflow and zero-divide conditions of IEEE
// arithmetic; underflow and inexact results passed. A NaN or infinity among the operands raises
// none of these, so such values flow on.
inline double Checked(double result, double a, double b)
{
    if (std::isnan(result) && !std::isnan(a) && !std::isnan(b))
        throw Error(errOverflow);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        throw Error(errOverflow);
    return result;
}

inline double Add(double a, double b) { return Checked(a + b, a, b); }

inline double Sub(double a, double b) { return Checked(a - b, a, b); }

inline double Mul(double a, double b) { return Checked(a * b, a, b); }

inline double Div(double a, double b)
{
    if (b == 0.0 && std::isfinite(a))
        throw Error(a == 0.0 ? errOverflow : errDivisionByZero);
    return Checked(a / b, a, b);
}

// 10.0 raised to exponent; an infinite result from a finite exponent is an overflow.
inline double Pow10(double exponent) { return Checked(std::pow(10.0, exponent), 10.0, exponent); }

inline int32_t AddLong(int32_t a, int32_t b)
{
    int32_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        throw Error(errOverflow);
    return sum;
}

inline int32_t SubLong(int32_t a, int32_t b)
{
    int32_t difference;
    if (__builtin_sub_overflow(a, b, &difference))
        throw Error(errOverflow);
    return difference;
}

// The whole part of value rounded toward minus infinity, as a 32-bit integer; 6 when it does
// not fit or value is NaN.
inline int32_t FloorLong(double value) { return CLng(std::floor(value)); }

} // namespace vantrel::axisarith
