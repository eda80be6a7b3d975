// Bounds-checked access for arrays with their own lower bound.
#include <vantrel/DoubleArray.h>
#include <vantrel/Error.h>

namespace vantrel {

DoubleArray::DoubleArray(std::vector<double> values, int32_t lowerBound)
    : values_(std::move(values))
    , lowerBound_(lowerBound)
{
    if (static_cast<int64_t>(lowerBound) + static_cast<int64_t>(values_.size()) - 1 > INT32_MAX)
        throw Error(errSubscriptOutOfRange);
}

std::size_t DoubleArray::Offset(int32_t index) const
{
    int64_t offset = static_cast<int64_t>(index) - lowerBound_;
    if (offset < 0 || offset >= static_cast<int64_t>(values_.size()))
        throw Error(errSubscriptOutOfRange);
    return static_cast<std::size_t>(offset);
}

std::vector<double> DoubleArray::TakeValues()
{
    std::vector<double> values = std::move(values_);
    values_.clear();
    lowerBound_ = 0;
    return values;
}

double DoubleArray::operator()(int32_t index) const { return values_[Offset(index)]; }

double& DoubleArray::operator()(int32_t index) { return values_[Offset(index)]; }

} // namespace vantrel
