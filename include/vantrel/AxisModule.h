// AxisModule: the value/pixel conversion and grid procedures shared by both axis designs.
//
// Internal: hosts do not need these; the axis designs, the control and the tests do.
// The procedures raise vantrel::Error on arithmetic failures the way floating-point and 32-bit
// integer arithmetic of the original platform did: 6 for an integer overflow, a floating overflow
// or an invalid operation (0/0, inf - inf, NaN to integer), 11 for a finite non-zero value divided
// by zero. A NaN or infinity that comes in as an argument flows through the arithmetic unchanged.
#pragma once

#include <cstdint>

namespace vantrel {

// Pixels per value unit: (pixel2 - pixel1) / (value2 - value1). The pixel difference is a
// checked 32-bit subtraction.
double CalcConv(int32_t pixel1, int32_t pixel2, double value1, double value2);
// Pixel position of value 0: pixel1 - conv * value1.
double CalcOffset(double conv, int32_t pixel1, double value1);
// value * conv + offset rounded to the nearest pixel (ties to even) and clamped to the 32-bit
// range. Raises 6 when the product or sum is infinite or NaN.
int32_t CalcPixel(double value, double offset, double conv);
// (pixel - offset) / conv.
double CalcValue(int32_t pixel, double offset, double conv);

// Distance between grid values for the range upper..lower split into n + 1 parts: the first of
// 1, 1.5, 2, ... 10 times the power of ten at or below the part size that is not below it.
// 0 for an empty or NaN range.
double CalcGridStep(double upper, double lower, int32_t n);
// Index k, counted from origin, of the smallest grid value origin + k * step strictly above
// lower; 0 when step is not positive.
int32_t CalcGridFirst(double lower, double origin, double step);
// Number of grid values origin + (first + i) * step, i >= 0, strictly below upper; 0 when step
// is not positive.
int32_t CalcGridCount(double upper, double origin, int32_t first, double step);
// origin + (first + index) * step, the index sum a checked 32-bit addition.
double CalcGridValue(double origin, int32_t first, double step, int32_t index);

} // namespace vantrel
