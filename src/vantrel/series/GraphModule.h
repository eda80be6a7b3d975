// GraphModule: helpers of the series plotting that work on whole arrays through the plotting
// library. Internal: the control uses them, hosts do not need them.
#pragma once

#include <cstdint>
#include <vantrel/DoubleArray.h>
#include <vantrel/XYItem_Data.h>

namespace vantrel {

// A new array of n doubles, indices 0 to n - 1, holding the base-10 logarithms of source
// elements 0 to n - 1 (computed by the plotting library's Log10Array: -infinity for 0, NaN for
// negative values). The source is not changed. Raises Error 6 when n - 1 overflows, Error 9
// when n is below 1 or the source does not hold indices 0 to n - 1, and the plotting library's
// load errors (53, 453).
DoubleArray GetLogArray(const DoubleArray& source, int32_t n);
// The same over the elements a view holds from index 0.
DoubleArray GetLogArray(const XYItem_Data::ArrayView& source, int32_t n);

} // namespace vantrel
