// Row spans of inscribed ellipses and their 1-pixel outlines.
#include "EllipseRegion.h"

#include <cmath>

namespace gdi {
namespace {

__extension__ typedef unsigned __int128 UInt128;

constexpr int64_t kExactLimit = int64_t { 1 } << 32;

} // namespace

EllipseRegion::EllipseRegion(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    if (right <= left || bottom <= top)
        return;
    top_ = top;
    bottom_ = bottom;
    w_ = right - left - 1;
    h_ = bottom - top - 1;
    centreX2_ = left + right - 1;
    centreY2_ = top + bottom - 1;
}

// True when the pixel at doubled horizontal distance x2 from the centre, on the row at doubled
// vertical distance y2, has its centre inside the ellipse grown by half a pixel:
// (x2 / (W+1))^2 + (y2 / (H+1))^2 <= 1.
bool EllipseRegion::Reaches(int64_t x2, int64_t y2) const
{
    if (w_ + 1 < kExactLimit && h_ + 1 < kExactLimit) {
        const auto a = static_cast<uint64_t>(w_ + 1);
        const auto b = static_cast<uint64_t>(h_ + 1);
        const auto y = static_cast<uint64_t>(y2 < 0 ? -y2 : y2);
        const auto x = static_cast<uint64_t>(x2);
        return UInt128 { x } * x * (UInt128 { b } * b)
            <= UInt128 { a } * a * (UInt128 { b } * b - UInt128 { y } * y);
    }
    const long double rx = static_cast<long double>(x2) / static_cast<long double>(w_ + 1);
    const long double ry = static_cast<long double>(y2) / static_cast<long double>(h_ + 1);
    return rx * rx + ry * ry <= 1.0L;
}

Span EllipseRegion::Row(int64_t y) const
{
    if (y < top_ || y >= bottom_)
        return {};
    const int64_t y2 = 2 * y - centreY2_;
    // Doubled half-width, with the parity of W so that the span's ends are whole pixels.
    const long double ratio
        = h_ == 0 ? 0.0L : static_cast<long double>(y2) / static_cast<long double>(h_);
    const long double estimate
        = static_cast<long double>(w_) * std::sqrt(std::max(0.0L, 1.0L - ratio * ratio)) + 1;
    int64_t x2 = std::min(static_cast<int64_t>(estimate), w_ + 1);
    if ((x2 - w_) % 2 != 0)
        --x2;
    const int64_t base = w_ % 2;
    x2 = std::max(x2, base);
    while (x2 > base && !Reaches(x2, y2))
        x2 -= 2;
    while (x2 + 2 <= w_ + 1 && Reaches(x2 + 2, y2))
        x2 += 2;
    return Span { (centreX2_ - x2) / 2, (centreX2_ + x2) / 2 };
}

int OutlineRuns(const EllipseRegion& region, int64_t y, Span runs[2], Span* inside)
{
    const Span row = region.Row(y);
    *inside = Span {};
    if (row.Empty())
        return 0;
    const Span above = region.Row(y - 1);
    const Span below = region.Row(y + 1);
    if (!above.Empty() && !below.Empty()) {
        inside->first = std::max({ row.first + 1, above.first, below.first });
        inside->last = std::min({ row.last - 1, above.last, below.last });
    }
    if (inside->Empty()) {
        runs[0] = row;
        return 1;
    }
    runs[0] = Span { row.first, inside->first - 1 };
    runs[1] = Span { inside->last + 1, row.last };
    return 2;
}

} // namespace gdi
