// XYItem_Data's live data: appending points, dropping the oldest beyond MaxLength, and the
// storage offset that makes both cheap.
#include "model/SeriesSummary.h"

#include <algorithm>
#include <limits>
#include <vantrel/Error.h>
#include <vantrel/XYItem_Data.h>

namespace vantrel {

namespace {

// Elements [from, to) of `source`, counted from its lower bound, onto the end of `values`.
void AppendElements(
    std::vector<double>& values, const DoubleArray& source, int32_t from, int32_t to)
{
    values.insert(values.end(), source.Data() + from, source.Data() + to);
}

void CheckCount(const DoubleArray& array, int32_t count)
{
    if (count < 0 || count > array.Count())
        throw Error(errSubscriptOutOfRange);
}

} // namespace

void XYItem_Data::MaxLength(int32_t value)
{
    if (value < 0)
        throw Error(errInvalidPropertyValue);
    maxLength_ = value;
}

void XYItem_Data::AppendY(const DoubleArray& Y, int32_t Count)
{
    if (!useInterval_)
        throw Error(errInvalidCall);
    CheckCount(Y, Count);
    AppendPoints(Count, [&](std::vector<double>*, std::vector<double>& ys, int32_t from) {
        AppendElements(ys, Y, from, Count);
    });
}

void XYItem_Data::AppendXY(const DoubleArray& X, const DoubleArray& Y, int32_t Count)
{
    if (useInterval_)
        throw Error(errInvalidCall);
    CheckCount(X, Count);
    CheckCount(Y, Count);
    AppendPoints(Count, [&](std::vector<double>* xs, std::vector<double>& ys, int32_t from) {
        AppendElements(*xs, X, from, Count);
        try {
            AppendElements(ys, Y, from, Count);
        } catch (...) {
            xs->resize(xs->size() - static_cast<size_t>(Count - from));
            throw;
        }
    });
}

// fill(xs, ys, from) appends the new points from..Count-1 to the arrays' elements (xs null in
// interval mode); it either appends all or leaves both as they were.
template <class Fill> void XYItem_Data::AppendPoints(int32_t Count, Fill fill)
{
    const bool hasX = !useInterval_;
    if (YView().count < length_ || (hasX && XView().count < length_))
        throw Error(errSubscriptOutOfRange);
    const int64_t total = int64_t { length_ } + Count;
    if (maxLength_ == 0 && total > std::numeric_limits<int32_t>::max())
        throw Error(errOverflow);
    const int64_t excess = maxLength_ > 0 ? std::max<int64_t>(0, total - maxLength_) : 0;
    const auto dropOld = static_cast<int32_t>(std::min<int64_t>(excess, length_));
    // New points that would be dropped at once are never stored.
    const auto skipNew = static_cast<int32_t>(excess - dropOld);

    ToLiveForm();
    std::vector<double> ys = yArray_.TakeValues();
    std::vector<double> xs = hasX ? xArray_.TakeValues() : std::vector<double> {};
    try {
        // A window's storage grows once, to the window, the dropped quarter and one append,
        // and then never again, instead of doubling on the way.
        const size_t needed = ys.size() + static_cast<size_t>(Count - skipNew);
        if (maxLength_ > 0 && needed > ys.capacity()) {
            const size_t room = std::max(needed,
                static_cast<size_t>(maxLength_) + static_cast<size_t>(maxLength_ / 4)
                    + static_cast<size_t>(Count));
            ys.reserve(room);
            if (hasX)
                xs.reserve(room);
        }
        fill(hasX ? &xs : nullptr, ys, skipNew);
    } catch (...) {
        yArray_ = DoubleArray(std::move(ys));
        if (hasX)
            xArray_ = DoubleArray(std::move(xs));
        throw;
    }
    yArray_ = DoubleArray(std::move(ys));
    if (hasX)
        xArray_ = DoubleArray(std::move(xs));
    length_ += Count - skipNew;

    if (summary_) {
        if (skipNew > 0)
            summary_->Clear();
        else
            summary_->Appended(hasX ? XView().zero : nullptr, YView().zero, length_);
    }
    DropFront(dropOld);
    if (useInterval_ && excess > 0)
        xArray_(0) = xArray_(0) + static_cast<double>(excess) * xArray_(1);
}

void XYItem_Data::ToLiveForm()
{
    if (head_ > 0)
        return;
    const auto toPoints = [this](DoubleArray& array) {
        if (array.LBound() == 0 && array.Count() == length_)
            return;
        const ArrayView view = ViewOf(array);
        array = DoubleArray(std::vector<double>(view.zero, view.zero + length_));
    };
    if (!useInterval_)
        toPoints(xArray_);
    toPoints(yArray_);
}

void XYItem_Data::DropFront(int32_t count)
{
    if (count == 0)
        return;
    head_ += count;
    length_ -= count;
    if (summary_)
        summary_->Dropped(count);
    // Compacting moves the kept points once they are at most four times the dropped ones, so
    // each dropped point pays for at most four moves.
    if (int64_t { head_ } * 4 >= length_)
        Compact();
}

void XYItem_Data::Compact()
{
    if (head_ == 0)
        return;
    const auto compact = [this](DoubleArray& array) {
        std::vector<double> values = array.TakeValues();
        values.erase(values.begin(), values.begin() + head_);
        array = DoubleArray(std::move(values));
    };
    compact(yArray_);
    if (!useInterval_)
        compact(xArray_);
    head_ = 0;
}

} // namespace vantrel
