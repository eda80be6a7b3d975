// XYItem_Data's live data: appending points, dropping the oldest beyond MaxLength, and the
// storage offset that makes both cheap.
#include "model/SeriesSummary.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <vantrel/Error.h>
#include <vantrel/XYItem_Data.h>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vantrel {

namespace {

// Elements [from, to) of `source`, counted from its lower bound, onto the end of `values`.
void AppendElements(
    std::vector<double>& values, const DoubleArray& source, int32_t from, int32_t to)
{
    values.insert(values.end(), source.Data() + from, source.Data() + to);
}

// Elements [from, size) of `values` in fresh storage for `room` elements. Large storage asks
// the kernel for huge pages: a window of millions of points then takes a few dozen page
// faults instead of tens of thousands (which cost more than the copy itself), and is released
// as fast.
std::vector<double> Relocated(const std::vector<double>& values, int64_t from, size_t room)
{
    std::vector<double> fresh;
    fresh.reserve(room);
#if defined(__linux__)
    constexpr uintptr_t kHuge = uintptr_t { 1 } << 21;
    const auto begin = (reinterpret_cast<uintptr_t>(fresh.data()) + kHuge - 1) & ~(kHuge - 1);
    const auto end = reinterpret_cast<uintptr_t>(fresh.data() + room) & ~(kHuge - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
    fresh.insert(fresh.end(), values.begin() + from, values.end());
    return fresh;
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
    const int64_t adding = Count - skipNew;

    ToLiveForm();
    std::vector<double> ys = yArray_.TakeValues();
    std::vector<double> xs = hasX ? xArray_.TakeValues() : std::vector<double> {};
    const auto restore = [&] {
        yArray_ = DoubleArray(std::move(ys));
        if (hasX)
            xArray_ = DoubleArray(std::move(xs));
    };
    try {
        if (move_ && ys.capacity() - ys.size() < static_cast<size_t>(adding))
            FinishMove(xs, ys);
        if (ys.capacity() - ys.size() < static_cast<size_t>(adding)
            || (hasX && xs.capacity() - xs.size() < static_cast<size_t>(adding))) {
            // No room at the end (the arrays were taken over at their size, or a move could not
            // keep up): the kept points go to fresh storage at once.
            CancelMove();
            const size_t room = RoomFor(int64_t { length_ } + adding, adding);
            ys = Relocated(ys, head_, room);
            if (hasX)
                xs = Relocated(xs, head_, room);
            head_ = 0;
        }
        fill(hasX ? &xs : nullptr, ys, skipNew);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    length_ += static_cast<int32_t>(adding);

    if (summary_) {
        if (skipNew > 0)
            summary_->Clear();
        else
            summary_->Appended(hasX ? XView().zero : nullptr, YView().zero, length_);
    }
    DropFront(dropOld);
    if (useInterval_ && excess > 0)
        xArray_(0) = xArray_(0) + static_cast<double>(excess) * xArray_(1);
    ys = yArray_.TakeValues();
    xs = hasX ? xArray_.TakeValues() : std::vector<double> {};
    try {
        MoveOn(xs, ys, adding);
    } catch (...) {
        // The points are appended; without memory for fresh storage they stay where they are.
        CancelMove();
    }
    restore();
}

void XYItem_Data::ToLiveForm()
{
    if (head_ > 0 || move_)
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
    if (summary_)
        summary_->Dropped(useInterval_ ? nullptr : XView().zero, count);
    head_ += count;
    length_ -= count;
}

size_t XYItem_Data::RoomFor(int64_t length, int64_t count) const
{
    // A window's storage holds the window, the dropped quarter and the appends while its next
    // move runs; without a window it doubles.
    const int64_t room
        = maxLength_ > 0 ? int64_t { maxLength_ } + maxLength_ / 2 + 2 * count : 2 * length + 1024;
    return static_cast<size_t>(std::max(room, length + count));
}

// The kept points go to fresh storage once the dropped ones reach a quarter of them, or the
// room left at the end falls under a quarter of them; each append then copies eight times its
// points, or more when the room left would run out first. Storage is copied in order, so the
// copy is exact whatever is appended meanwhile (appends only add at the end, drops only move
// the head).
void XYItem_Data::MoveOn(std::vector<double>& xs, std::vector<double>& ys, int64_t count)
{
    const bool hasX = !useInterval_;
    const auto size = static_cast<int64_t>(ys.size());
    const int64_t kept = size - head_;
    if (!move_) {
        const auto left = static_cast<int64_t>(ys.capacity()) - size;
        if (int64_t { head_ } * 4 < kept && left * 4 >= kept)
            return;
        auto move = std::make_unique<StorageMove>();
        const size_t room = RoomFor(kept, count);
        move->y = Relocated({}, 0, room);
        if (hasX)
            move->x = Relocated({}, 0, room);
        move->from = head_;
        move->copied = head_;
        move_ = std::move(move);
    }
    const int64_t remaining = size - move_->copied;
    const int64_t left = std::max<int64_t>(1, static_cast<int64_t>(ys.capacity()) - size);
    const int64_t budget
        = std::max(8 * count, 2 * (remaining * std::max<int64_t>(count, 1) / left + 1));
    const int64_t end = move_->copied + std::min(budget, remaining);
    Copy(xs, ys, end);
    if (end == size)
        FinishMove(xs, ys);
}

// Storage elements [copied, end) onto the move's arrays: both or (out of memory) neither.
void XYItem_Data::Copy(const std::vector<double>& xs, const std::vector<double>& ys, int64_t end)
{
    const auto from = static_cast<size_t>(move_->copied);
    move_->y.insert(move_->y.end(), ys.begin() + move_->copied, ys.begin() + end);
    if (!useInterval_) {
        try {
            move_->x.insert(move_->x.end(), xs.begin() + move_->copied, xs.begin() + end);
        } catch (...) {
            move_->y.resize(from - static_cast<size_t>(move_->from));
            throw;
        }
    }
    move_->copied = end;
}

void XYItem_Data::FinishMove(std::vector<double>& xs, std::vector<double>& ys)
{
    const bool hasX = !useInterval_;
    Copy(xs, ys, static_cast<int64_t>(ys.size()));
    ys = std::move(move_->y);
    if (hasX)
        xs = std::move(move_->x);
    head_ -= static_cast<int32_t>(move_->from);
    move_.reset();
}

void XYItem_Data::Compact()
{
    CancelMove();
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
