// Row spans of one round-capped wide segment, in doubled coordinates so that pixel centres and
// half-width reaches are integers.
#include "gdi/WideSegment.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace gdi {
namespace {

int64_t FloorDiv2(int64_t a) { return a >= 0 ? a / 2 : -((-a + 1) / 2); }
int64_t CeilDiv2(int64_t a) { return -FloorDiv2(-a); }

// floor(sqrt(v)) for 0 <= v < 2^63.
int64_t ISqrt(int64_t v)
{
    auto root = static_cast<int64_t>(std::sqrt(static_cast<long double>(v)));
    while (root > 0 && root * root > v)
        --root;
    while ((root + 1) * (root + 1) <= v)
        ++root;
    return root;
}

struct Interval {
    long double lo;
    long double hi;
};

constexpr long double kHuge = 1e30L;

// u with lo <= u * d <= hi.
Interval Solve(long double lo, long double hi, long double d)
{
    if (d > 0)
        return { lo / d, hi / d };
    if (d < 0)
        return { hi / d, lo / d };
    return (lo <= 0 && hi >= 0) ? Interval { -kHuge, kHuge } : Interval { 1, 0 };
}

} // namespace

WideSegment::WideSegment(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int32_t width) noexcept
    : ax_(2 * x0)
    , ay_(2 * y0)
    , bx_(2 * x1)
    , by_(2 * y1)
    , radius_(width)
    , shift_(width % 2 == 0 ? 1 : 0)
    , firstRow_(CeilDiv2(std::min(ay_, by_) - radius_ - shift_))
    , lastRow_(FloorDiv2(std::max(ay_, by_) + radius_ - shift_))
{
}

WideSegment::Columns WideSegment::Row(int64_t y) const noexcept
{
    if (y < firstRow_ || y > lastRow_)
        return {};
    const int64_t ty = 2 * y + shift_;
    // The union of the caps and the band in doubled x: [lo, hi], or lo > hi when absent.
    int64_t lo = INT64_MAX;
    int64_t hi = INT64_MIN;
    auto add = [&](int64_t a, int64_t b) {
        lo = std::min(lo, a);
        hi = std::max(hi, b);
    };
    for (const auto& [px, py] : { std::pair { ax_, ay_ }, std::pair { bx_, by_ } }) {
        const int64_t dy = ty - py;
        if (dy >= -radius_ && dy <= radius_) {
            const int64_t half = ISqrt(radius_ * radius_ - dy * dy);
            add(px - half, px + half);
        }
    }
    const int64_t dx = bx_ - ax_;
    const int64_t dy = by_ - ay_;
    if (dy == 0 && dx != 0) {
        if (ty - ay_ >= -radius_ && ty - ay_ <= radius_)
            add(std::min(ax_, bx_), std::max(ax_, bx_));
    } else if (dx == 0 && dy != 0) {
        if (ty >= std::min(ay_, by_) && ty <= std::max(ay_, by_))
            add(ax_ - radius_, ax_ + radius_);
    } else if (dx != 0) {
        // Band: 0 <= u*dx + v*dy <= |D|^2 and |u*dy - v*dx| <= R|D|, u = tx - ax, v = ty - ay.
        const long double fdx = static_cast<long double>(dx);
        const long double fdy = static_cast<long double>(dy);
        const long double v = static_cast<long double>(ty - ay_);
        const long double length2 = fdx * fdx + fdy * fdy;
        const long double reach = static_cast<long double>(radius_) * std::sqrt(length2);
        const Interval along = Solve(-v * fdy, length2 - v * fdy, fdx);
        const Interval across = Solve(v * fdx - reach, v * fdx + reach, fdy);
        const long double bandLo = std::max(along.lo, across.lo);
        const long double bandHi = std::min(along.hi, across.hi);
        if (bandLo <= bandHi) {
            const long double start = static_cast<long double>(ax_);
            add(static_cast<int64_t>(std::ceil(start + bandLo)),
                static_cast<int64_t>(std::floor(start + bandHi)));
        }
    }
    if (lo > hi)
        return {};
    return Columns { CeilDiv2(lo - shift_), FloorDiv2(hi - shift_) };
}

} // namespace gdi
