// Circle outlines: a precomputed midpoint-circle outline stamped at each point for one-pixel
// pens; for wider pens a ring painted row by row, each pixel once per circle.
#include "krevo/Circles.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace krevo {
namespace {

__extension__ typedef __int128 Int128;

struct Offset {
    int32_t dx;
    int32_t dy;
    auto operator<=>(const Offset&) const = default;
};

// The midpoint (Bresenham) circle of radius r, each pixel once.
std::vector<Offset> MidpointCircle(int32_t r)
{
    std::vector<Offset> outline;
    int32_t x = 0;
    int32_t y = r;
    int32_t d = 1 - r;
    while (x <= y) {
        for (const Offset o : { Offset { x, y }, Offset { y, x } }) {
            outline.push_back({ o.dx, o.dy });
            outline.push_back({ -o.dx, o.dy });
            outline.push_back({ o.dx, -o.dy });
            outline.push_back({ -o.dx, -o.dy });
        }
        if (d < 0) {
            d += 2 * x + 3;
        } else {
            d += 2 * (x - y) + 5;
            --y;
        }
        ++x;
    }
    std::sort(outline.begin(), outline.end());
    outline.erase(std::unique(outline.begin(), outline.end()), outline.end());
    return outline;
}

void StampThin(const Target& target, const std::vector<Offset>& outline,
    const std::vector<int64_t>& offsets, int32_t radius, Point c)
{
    const gdi::RECT& clip = target.clip;
    const bool inside = int64_t { c.x } - radius >= clip.left
        && int64_t { c.x } + radius < clip.right && int64_t { c.y } - radius >= clip.top
        && int64_t { c.y } + radius < clip.bottom;
    if (inside) {
        const int64_t centre = target.Offset(c.x, c.y);
        if (target.copy) {
            for (const int64_t offset : offsets)
                target.view.pixels[centre + offset] = target.mix.xorMask;
        } else {
            for (const int64_t offset : offsets)
                target.Paint(centre + offset);
        }
        return;
    }
    for (const Offset o : outline)
        target.PaintPixel(int64_t { c.x } + o.dx, int64_t { c.y } + o.dy);
}

// Largest i >= 0 with 4 i^2 < limit, or -1 when limit <= 0.
int64_t LargestBelow(Int128 limit)
{
    if (limit <= 0)
        return -1;
    int64_t i = static_cast<int64_t>(std::sqrt(static_cast<double>(limit) / 4.0));
    while (i > 0 && Int128 { 4 } * i * i >= limit)
        --i;
    while (Int128 { 4 } * (i + 1) * (i + 1) < limit)
        ++i;
    return i;
}

// The ring of pixels (i, j) around c with inner^2 <= 4 (i^2 + j^2) < outer^2, clipped: for each
// row up to two spans.
void StampRing(const Target& target, int64_t inner, int64_t outer, Point c)
{
    const int64_t reach = outer / 2 + 1;
    const int64_t top = std::max<int64_t>(int64_t { c.y } - reach, target.clip.top);
    const int64_t bottom = std::min<int64_t>(int64_t { c.y } + reach + 1, target.clip.bottom);
    for (int64_t y = top; y < bottom; ++y) {
        const Int128 j = y - c.y;
        const int64_t outerHalf = LargestBelow(Int128 { outer } * outer - 4 * j * j);
        if (outerHalf < 0)
            continue;
        // Inner hole: |i| <= innerHalf are inside the inner circle.
        const int64_t innerHalf = LargestBelow(Int128 { inner } * inner - 4 * j * j);
        if (innerHalf < 0) {
            target.PaintRow(y, int64_t { c.x } - outerHalf, int64_t { c.x } + outerHalf + 1);
        } else {
            target.PaintRow(y, int64_t { c.x } - outerHalf, int64_t { c.x } - innerHalf);
            target.PaintRow(y, int64_t { c.x } + innerHalf + 1, int64_t { c.x } + outerHalf + 1);
        }
    }
}

} // namespace

bool PlotCircles(const Target& target, const PenState& pen, const Series& series, IndexRange range,
    int32_t radius)
{
    if (pen.Wide()) {
        const int64_t inner = std::max<int64_t>(2 * int64_t { radius } - pen.width, 0);
        const int64_t outer = 2 * int64_t { radius } + pen.width;
        for (int64_t k = range.begin; k < range.end; ++k) {
            Point p;
            if (series.PixelAt(k, &p))
                StampRing(target, inner, outer, p);
        }
        return true;
    }
    std::vector<Offset> outline;
    std::vector<int64_t> offsets;
    try {
        outline = MidpointCircle(radius);
        offsets.reserve(outline.size());
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (const Offset o : outline)
        offsets.push_back(o.dy * target.Stride() + o.dx);
    for (int64_t k = range.begin; k < range.end; ++k) {
        Point p;
        if (series.PixelAt(k, &p))
            StampThin(target, outline, offsets, radius, p);
    }
    return true;
}

} // namespace krevo
