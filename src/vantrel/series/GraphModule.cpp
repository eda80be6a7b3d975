// GraphModule: the logarithmic copy of a series array.
#include "series/GraphModule.h"

#include "series/PlottingLibrary.h"

#include <limits>
#include <vantrel/Error.h>
#include <vantrel/XYItem_Data.h>
#include <vector>

namespace vantrel {

DoubleArray GetLogArray(const DoubleArray& source, int32_t n)
{
    return GetLogArray(XYItem_Data::ViewOf(source), n);
}

DoubleArray GetLogArray(const XYItem_Data::ArrayView& source, int32_t n)
{
    if (n == std::numeric_limits<int32_t>::min())
        throw Error(errOverflow);
    if (n < 1 || source.count < n)
        throw Error(errSubscriptOutOfRange);
    const series::PlottingFunctions& library = series::PlottingLibrary();
    DoubleArray result(std::vector<double>(static_cast<std::size_t>(n)));
    library.Log10Array(result.Data(), source.zero, n);
    return result;
}

} // namespace vantrel
