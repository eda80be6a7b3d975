// XYItem_Data: array set-up for both storage modes, element access through the live-data
// offset, and the plottability check.
#include "model/SeriesSummary.h"

#include <algorithm>
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

XYItem_Data::XYItem_Data() = default;
XYItem_Data::~XYItem_Data() = default;

// Point k is element head_ + k: while points are dropped (head_ > 0) the arrays are in live
// form, indexed from 0, and the indices the host sees are the points'.
double XYItem_Data::X(int32_t lIndex) const
{
    if (head_ == 0 || useInterval_)
        return xArray_(lIndex);
    if (lIndex < 0 || lIndex >= length_)
        throw Error(errSubscriptOutOfRange);
    return xArray_(head_ + lIndex);
}

void XYItem_Data::X(int32_t lIndex, double value)
{
    if (head_ == 0 || useInterval_) {
        xArray_(lIndex) = value;
    } else {
        if (lIndex < 0 || lIndex >= length_)
            throw Error(errSubscriptOutOfRange);
        xArray_(head_ + lIndex) = value;
    }
    Invalidate();
}

double XYItem_Data::Y(int32_t lIndex) const
{
    if (head_ == 0)
        return yArray_(lIndex);
    if (lIndex < 0 || lIndex >= length_)
        throw Error(errSubscriptOutOfRange);
    return yArray_(head_ + lIndex);
}

void XYItem_Data::Y(int32_t lIndex, double value)
{
    if (head_ == 0) {
        yArray_(lIndex) = value;
    } else {
        if (lIndex < 0 || lIndex >= length_)
            throw Error(errSubscriptOutOfRange);
        yArray_(head_ + lIndex) = value;
    }
    Invalidate();
}

namespace {

DoubleArray PointsOf(const DoubleArray& array, int32_t head, int32_t length)
{
    const double* first = array.Data() + head;
    return DoubleArray(std::vector<double>(first, first + length));
}

} // namespace

DoubleArray XYItem_Data::XArray() const
{
    return head_ == 0 || useInterval_ ? xArray_ : PointsOf(xArray_, head_, length_);
}

DoubleArray XYItem_Data::YArray() const
{
    return head_ == 0 ? yArray_ : PointsOf(yArray_, head_, length_);
}

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
    head_ = 0;
    Invalidate();
}

void XYItem_Data::SetArrays(const DoubleArray& X, const DoubleArray& Y, int32_t NewLength)
{
    if (useInterval_)
        return;
    CheckLength(X, NewLength);
    CheckLength(Y, NewLength);
    SetArrays(DoubleArray(X), DoubleArray(Y), NewLength);
}

void XYItem_Data::SetArrays(DoubleArray&& X, DoubleArray&& Y, int32_t NewLength)
{
    if (useInterval_)
        return;
    CheckLength(X, NewLength);
    CheckLength(Y, NewLength);
    xArray_ = std::move(X);
    yArray_ = std::move(Y);
    length_ = NewLength;
    head_ = 0;
    Invalidate();
}

void XYItem_Data::SetYArray(const DoubleArray& Y, int32_t NewLength)
{
    if (!useInterval_)
        return;
    CheckLength(Y, NewLength);
    SetYArray(DoubleArray(Y), NewLength);
}

void XYItem_Data::SetYArray(DoubleArray&& Y, int32_t NewLength)
{
    if (!useInterval_)
        return;
    CheckLength(Y, NewLength);
    yArray_ = std::move(Y);
    length_ = NewLength;
    head_ = 0;
    Invalidate();
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
    // The live offset covers X only in point mode: settle it before the modes' arrays differ.
    Compact();
    if (value) {
        DoubleArray pair(std::vector<double> { 0.0, 0.0 });
        xArray_ = std::move(pair);
    }
    useInterval_ = value;
    Invalidate();
}

bool XYItem_Data::Plottable() const
{
    if (useInterval_)
        return HoldsFromZero(xArray_, 2) && YView().count >= std::max(length_, 1);
    return XView().count >= std::max(length_, 1) && YView().count >= std::max(length_, 1);
}

bool XYItem_Data::HoldsFromZero(const DoubleArray& array, int32_t count)
{
    if (array.Empty() || array.LBound() > 0)
        return false;
    int64_t lastNeeded = count > 1 ? static_cast<int64_t>(count) - 1 : 0;
    return lastNeeded <= array.UBound();
}

XYItem_Data::ArrayView XYItem_Data::ViewOf(const DoubleArray& array)
{
    if (array.Empty() || array.LBound() > 0 || array.UBound() < 0)
        return {};
    return ArrayView { array.Data() - array.LBound(), int64_t { array.UBound() } + 1 };
}

XYItem_Data::ArrayView XYItem_Data::PointView(const DoubleArray& array) const
{
    if (head_ == 0)
        return ViewOf(array);
    return ArrayView { array.Data() + head_, int64_t { array.Count() } - head_ };
}

XYItem_Data::ArrayView XYItem_Data::XView() const
{
    return useInterval_ ? ViewOf(xArray_) : PointView(xArray_);
}

XYItem_Data::ArrayView XYItem_Data::YView() const { return PointView(yArray_); }

void XYItem_Data::SummaryDeleter::operator()(model::SeriesSummary* summary) const
{
    delete summary;
}

model::SeriesSummary& XYItem_Data::Summary() const
{
    if (!summary_)
        summary_.reset(new model::SeriesSummary());
    return *summary_;
}

int64_t XYItem_Data::SummaryBytes() const { return summary_ ? summary_->Bytes() : 0; }

void XYItem_Data::Invalidate()
{
    CancelMove();
    if (summary_)
        summary_->Clear();
}

} // namespace vantrel
