// XYItem_Data: array set-up for both storage modes and the plottability check.
#include <new>
#include <vantrel/Error.h>
#include <vantrel/XYItem_Data.h>

namespace vantrel {

namespace {

// Error 9 unless 0 <= length <= the element count of the array it will be read from.
void CheckLength(const DoubleArray& array, int32_t length)
{
    if (length < 0 || length > array.Count())
        throw Error(errSubscriptOutOfRange);
}

} // namespace

void XYItem_Data::InitArrays(int32_t NewLength)
{
    if (NewLength < 1)
        throw Error(errSubscriptOutOfRange);
    // A count is all it takes to ask for gigabytes: beyond the limit, or when memory runs out,
    // Error 7 before anything changes.
    if (NewLength > maxInitLength)
        throw Error(errOutOfMemory);
    DoubleArray zeros;
    try {
        zeros = DoubleArray(std::vector<double>(static_cast<std::size_t>(NewLength), 0.0));
    } catch (const std::bad_alloc&) {
        throw Error(errOutOfMemory);
    }
    if (!useInterval_)
        xArray_ = zeros;
    yArray_ = std::move(zeros);
    length_ = NewLength;
}

void XYItem_Data::SetArrays(const DoubleArray& X, const DoubleArray& Y, int32_t NewLength)
{
    if (useInterval_)
        return;
    CheckLength(X, NewLength);
    CheckLength(Y, NewLength);
    DoubleArray xCopy = X;
    DoubleArray yCopy = Y;
    xArray_ = std::move(xCopy);
    yArray_ = std::move(yCopy);
    length_ = NewLength;
}

void XYItem_Data::SetYArray(const DoubleArray& Y, int32_t NewLength)
{
    if (!useInterval_)
        return;
    CheckLength(Y, NewLength);
    DoubleArray yCopy = Y;
    yArray_ = std::move(yCopy);
    length_ = NewLength;
}

void XYItem_Data::XStart(double value)
{
    if (useInterval_)
        xArray_(0) = value;
}

void XYItem_Data::XInterval(double value)
{
    if (useInterval_)
        xArray_(1) = value;
}

void XYItem_Data::UseInterval(bool value)
{
    if (value) {
        DoubleArray pair(std::vector<double> { 0.0, 0.0 });
        xArray_ = std::move(pair);
    }
    useInterval_ = value;
}

bool XYItem_Data::Plottable() const
{
    if (useInterval_)
        return HoldsFromZero(xArray_, 2) && HoldsFromZero(yArray_, length_);
    return HoldsFromZero(xArray_, length_) && HoldsFromZero(yArray_, length_);
}

bool XYItem_Data::HoldsFromZero(const DoubleArray& array, int32_t count)
{
    if (array.Empty() || array.LBound() > 0)
        return false;
    int64_t lastNeeded = count > 1 ? static_cast<int64_t>(count) - 1 : 0;
    return lastNeeded <= array.UBound();
}

} // namespace vantrel
