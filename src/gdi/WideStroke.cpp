// Round-capped wide strokes, computed row by row over the visible rows only.
#include "WideStroke.h"

#include <cmath>

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

WideStroke::WideStroke(const std::vector<Segment>& segments, int32_t width)
    : radius_(width)
    , shift_(width % 2 == 0 ? 1 : 0)
{
    bool first = true;
    for (const Segment& segment : segments) {
        Capsule capsule { 2 * segment.x0, 2 * segment.y0, 2 * segment.x1, 2 * segment.y1, 0, 0 };
        capsule.firstRow = CeilDiv2(std::min(capsule.ay, capsule.by) - radius_ - shift_);
        capsule.lastRow = FloorDiv2(std::max(capsule.ay, capsule.by) + radius_ - shift_);
        firstRow_ = first ? capsule.firstRow : std::min(firstRow_, capsule.firstRow);
        lastRow_ = first ? capsule.lastRow : std::max(lastRow_, capsule.lastRow);
        first = false;
        capsules_.push_back(capsule);
    }
}

Span WideStroke::CapsuleRow(const Capsule& c, int64_t y) const
{
    if (y < c.firstRow || y > c.lastRow)
        return {};
    const int64_t ty = 2 * y + shift_;
    // Exact components: [lo, hi] in doubled x, or lo > hi when absent.
    int64_t lo = INT64_MAX;
    int64_t hi = INT64_MIN;
    auto add = [&](int64_t a, int64_t b) {
        lo = std::min(lo, a);
        hi = std::max(hi, b);
    };
    for (const auto& [px, py] : { std::pair { c.ax, c.ay }, std::pair { c.bx, c.by } }) {
        const int64_t dy = ty - py;
        if (dy >= -radius_ && dy <= radius_) {
            const int64_t half = ISqrt(radius_ * radius_ - dy * dy);
            add(px - half, px + half);
        }
    }
    const int64_t dx = c.bx - c.ax;
    const int64_t dy = c.by - c.ay;
    if (dy == 0 && dx != 0) {
        if (ty - c.ay >= -radius_ && ty - c.ay <= radius_)
            add(std::min(c.ax, c.bx), std::max(c.ax, c.bx));
    } else if (dx == 0 && dy != 0) {
        if (ty >= std::min(c.ay, c.by) && ty <= std::max(c.ay, c.by))
            add(c.ax - radius_, c.ax + radius_);
    } else if (dx != 0) {
        // Band: 0 <= u*dx + v*dy <= |D|^2 and |u*dy - v*dx| <= R|D|, u = tx - ax, v = ty - ay.
        const long double fdx = static_cast<long double>(dx);
        const long double fdy = static_cast<long double>(dy);
        const long double v = static_cast<long double>(ty - c.ay);
        const long double length2 = fdx * fdx + fdy * fdy;
        const long double reach = static_cast<long double>(radius_) * std::sqrt(length2);
        const Interval along = Solve(-v * fdy, length2 - v * fdy, fdx);
        const Interval across = Solve(v * fdx - reach, v * fdx + reach, fdy);
        const long double bandLo = std::max(along.lo, across.lo);
        const long double bandHi = std::min(along.hi, across.hi);
        if (bandLo <= bandHi) {
            const long double ax = static_cast<long double>(c.ax);
            add(static_cast<int64_t>(std::ceil(ax + bandLo)),
                static_cast<int64_t>(std::floor(ax + bandHi)));
        }
    }
    if (lo > hi)
        return {};
    // Pixel x has its centre at 2x + shift.
    return Span { CeilDiv2(lo - shift_), FloorDiv2(hi - shift_) };
}

void WideStroke::RowSpans(int64_t y, std::vector<Span>& spans) const
{
    spans.clear();
    for (const Capsule& capsule : capsules_)
        spans.push_back(CapsuleRow(capsule, y));
    MergeSpans(spans);
}

void DrawWideStroke(
    const Canvas& canvas, const std::vector<Segment>& segments, int32_t width, Rop2Mix mix)
{
    if (canvas.Empty() || segments.empty())
        return;
    const WideStroke stroke(segments, width);
    const int64_t first = std::max<int64_t>(stroke.FirstRow(), canvas.clip.top);
    const int64_t last = std::min<int64_t>(stroke.LastRow(), canvas.clip.bottom - 1);
    std::vector<Span> spans;
    for (int64_t y = first; y <= last; ++y) {
        stroke.RowSpans(y, spans);
        for (const Span& span : spans)
            PaintSpan(canvas, y, span, mix);
    }
}

} // namespace gdi
