// Round-capped wide segments row by row, over the visible rows only. The arithmetic (doubled
// coordinates, exact integer caps and axis-parallel bands, long double for slanted bands) is the
// GDI's, so that the pixels agree with its LineTo to the last one.
#include "krevo/WideLine.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace krevo {
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

// A segment in doubled coordinates with its pen reach (the width, in doubled units) and the
// half-pixel shift of even widths.
struct Capsule {
    int64_t ax, ay, bx, by;
    int64_t radius;
    int64_t shift;

    // Columns [first, last] of row y; first > last when the row is empty.
    std::pair<int64_t, int64_t> Row(int64_t y) const
    {
        const int64_t ty = 2 * y + shift;
        int64_t lo = INT64_MAX;
        int64_t hi = INT64_MIN;
        auto add = [&](int64_t a, int64_t b) {
            lo = std::min(lo, a);
            hi = std::max(hi, b);
        };
        for (const auto& [px, py] : { std::pair { ax, ay }, std::pair { bx, by } }) {
            const int64_t dy = ty - py;
            if (dy >= -radius && dy <= radius) {
                const int64_t half = ISqrt(radius * radius - dy * dy);
                add(px - half, px + half);
            }
        }
        const int64_t dx = bx - ax;
        const int64_t dy = by - ay;
        if (dy == 0 && dx != 0) {
            if (ty - ay >= -radius && ty - ay <= radius)
                add(std::min(ax, bx), std::max(ax, bx));
        } else if (dx == 0 && dy != 0) {
            if (ty >= std::min(ay, by) && ty <= std::max(ay, by))
                add(ax - radius, ax + radius);
        } else if (dx != 0) {
            // Band: 0 <= u dx + v dy <= |D|^2 and |u dy - v dx| <= R |D|, u = tx - ax, v = ty - ay.
            const long double fdx = static_cast<long double>(dx);
            const long double fdy = static_cast<long double>(dy);
            const long double v = static_cast<long double>(ty - ay);
            const long double length2 = fdx * fdx + fdy * fdy;
            const long double reach = static_cast<long double>(radius) * std::sqrt(length2);
            const Interval along = Solve(-v * fdy, length2 - v * fdy, fdx);
            const Interval across = Solve(v * fdx - reach, v * fdx + reach, fdy);
            const long double bandLo = std::max(along.lo, across.lo);
            const long double bandHi = std::min(along.hi, across.hi);
            if (bandLo <= bandHi) {
                const long double start = static_cast<long double>(ax);
                add(static_cast<int64_t>(std::ceil(start + bandLo)),
                    static_cast<int64_t>(std::floor(start + bandHi)));
            }
        }
        if (lo > hi)
            return { 1, 0 };
        return { CeilDiv2(lo - shift), FloorDiv2(hi - shift) };
    }
};

} // namespace

void DrawWideSegment(const Target& target, Point a, Point b, int32_t width)
{
    if (target.Empty())
        return;
    const Capsule capsule { 2 * int64_t { a.x }, 2 * int64_t { a.y }, 2 * int64_t { b.x },
        2 * int64_t { b.y }, width, width % 2 == 0 ? 1 : 0 };
    const int64_t firstRow
        = CeilDiv2(std::min(capsule.ay, capsule.by) - capsule.radius - capsule.shift);
    const int64_t lastRow
        = FloorDiv2(std::max(capsule.ay, capsule.by) + capsule.radius - capsule.shift);
    const int64_t first = std::max<int64_t>(firstRow, target.clip.top);
    const int64_t last = std::min<int64_t>(lastRow, int64_t { target.clip.bottom } - 1);
    for (int64_t y = first; y <= last; ++y) {
        const auto [left, right] = capsule.Row(y);
        if (left <= right)
            target.PaintRow(y, left, right + 1);
    }
}

} // namespace krevo
