// Bisection for the visible part of an interval series.
#include "krevo/VisibleRange.h"

#include <algorithm>

namespace krevo {
namespace {

// The first k in [0, n) for which holds(k) is true, holds being false ... true; n if none.
template <class Predicate> int64_t FirstWhere(int64_t n, Predicate holds)
{
    int64_t lo = 0;
    int64_t hi = n;
    while (lo < hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        if (holds(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

} // namespace

IndexRange VisibleRange(const Series& series, const gdi::RECT& clip, int64_t margin)
{
    const IndexRange all { 0, series.count };
    // A zero scale gives one column for all points (and NaN where k * dx overflows), a zero step
    // one column too: nothing to narrow, and NaN would break the monotone order.
    if (!series.interval || series.xConv == 0 || series.xStep == 0)
        return all;
    const double left = static_cast<double>(clip.left - margin);
    const double right = static_cast<double>(clip.right + margin);
    // Rounded columns, possibly infinite where x overflows; never NaN here.
    auto column = [&](int64_t k) { return RoundPixel(series.PixelX(k)); };
    int64_t first;
    int64_t end;
    if ((series.xStep > 0) == (series.xConv > 0)) {
        first = FirstWhere(series.count, [&](int64_t k) { return column(k) >= left; });
        end = FirstWhere(series.count, [&](int64_t k) { return column(k) >= right; });
    } else {
        first = FirstWhere(series.count, [&](int64_t k) { return column(k) < right; });
        end = FirstWhere(series.count, [&](int64_t k) { return column(k) < left; });
    }
    return IndexRange { std::max<int64_t>(first - 1, 0), std::min<int64_t>(end + 1, series.count) };
}

} // namespace krevo
