// Clipped Bresenham lines for 1-pixel pens, solid or dashed.
#include "LineRasterizer.h"

namespace gdi {
namespace {

__extension__ typedef __int128 Int128;

// floor(a / b) for b > 0.
Int128 FloorDiv(Int128 a, Int128 b)
{
    const Int128 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

struct MinorAxis {
    int64_t start; // minor coordinate of pixel 0
    int64_t delta; // signed minor difference over the whole line
    int64_t length; // n = |major difference| > 0

    int64_t At(int64_t k) const
    {
        return start
            + static_cast<int64_t>(
                FloorDiv(Int128 { 2 } * k * delta + length - 1, Int128 { 2 } * length));
    }
};

// The first k in [lo, hi] for which the monotone predicate holds (false ... true), or hi + 1.
template <class Predicate> int64_t FirstWhere(int64_t lo, int64_t hi, Predicate holds)
{
    int64_t first = hi + 1;
    while (lo <= hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        if (holds(mid)) {
            first = mid;
            hi = mid - 1;
        } else {
            lo = mid + 1;
        }
    }
    return first;
}

} // namespace

int64_t DrawThinLine(const Canvas& canvas, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
    const StrokeStyle& style, uint32_t phase)
{
    const int64_t dx = x1 - x0;
    const int64_t dy = y1 - y0;
    const int64_t ax = dx < 0 ? -dx : dx;
    const int64_t ay = dy < 0 ? -dy : dy;
    const bool xMajor = ax > ay;
    const int64_t n = xMajor ? ax : ay;
    if (n == 0 || canvas.Empty() || !style.visible)
        return n;

    const int64_t majorStart = xMajor ? x0 : y0;
    const int64_t majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const MinorAxis minor { xMajor ? y0 : x0, xMajor ? dy : dx, n };
    const RECT& clip = canvas.clip;
    const int64_t majorLo = xMajor ? clip.left : clip.top;
    const int64_t majorHi = (xMajor ? clip.right : clip.bottom) - 1;
    const int64_t minorLo = xMajor ? clip.top : clip.left;
    const int64_t minorHi = (xMajor ? clip.bottom : clip.right) - 1;

    // Visible k along the major axis.
    int64_t kFirst = majorSign > 0 ? majorLo - majorStart : majorStart - majorHi;
    int64_t kLast = majorSign > 0 ? majorHi - majorStart : majorStart - majorLo;
    kFirst = std::max<int64_t>(kFirst, 0);
    kLast = std::min<int64_t>(kLast, n - 1);
    if (kFirst > kLast)
        return n;
    // Then along the minor axis, which moves monotonically with k.
    if (minor.delta >= 0) {
        const int64_t first
            = FirstWhere(kFirst, kLast, [&](int64_t k) { return minor.At(k) >= minorLo; });
        kLast = FirstWhere(kFirst, kLast, [&](int64_t k) { return minor.At(k) > minorHi; }) - 1;
        kFirst = first;
    } else {
        const int64_t first
            = FirstWhere(kFirst, kLast, [&](int64_t k) { return minor.At(k) <= minorHi; });
        kLast = FirstWhere(kFirst, kLast, [&](int64_t k) { return minor.At(k) < minorLo; }) - 1;
        kFirst = first;
    }
    if (kFirst > kLast)
        return n;

    // Error term at kFirst: numerator 2k*delta + n - 1 = q * 2n + r, 0 <= r < 2n.
    const Int128 numerator = Int128 { 2 } * kFirst * minor.delta + n - 1;
    const Int128 q = FloorDiv(numerator, Int128 { 2 } * n);
    int64_t r = static_cast<int64_t>(numerator - q * 2 * n);
    const int64_t twoN = 2 * n;
    const int64_t step = 2 * minor.delta;
    const int64_t minorCoord = minor.start + static_cast<int64_t>(q);
    const int64_t majorCoord = majorStart + majorSign * kFirst;
    const int64_t x = xMajor ? majorCoord : minorCoord;
    const int64_t y = xMajor ? minorCoord : majorCoord;

    const std::ptrdiff_t majorStride = xMajor ? majorSign : majorSign * canvas.stride;
    const std::ptrdiff_t minorStride = (minor.delta < 0 ? -1 : 1) * (xMajor ? canvas.stride : 1);
    uint32_t* pixel = canvas.pixels + static_cast<std::ptrdiff_t>(y) * canvas.stride + x;
    const int64_t count = kLast - kFirst + 1;

    if (!style.Dashed()) {
        const Rop2Mix mix = style.on;
        if (step == 0 && mix.andMask == 0) {
            // A plain store (copy-like operations): the loop the compiler vectorises.
            for (int64_t i = 0; i < count; ++i, pixel += majorStride)
                *pixel = mix.xorMask;
        } else if (step == 0) {
            for (int64_t i = 0; i < count; ++i, pixel += majorStride)
                *pixel = mix.Apply(*pixel);
        } else if (step > 0) {
            for (int64_t i = 0; i < count; ++i) {
                *pixel = mix.Apply(*pixel);
                pixel += majorStride;
                r += step;
                if (r >= twoN) {
                    r -= twoN;
                    pixel += minorStride;
                }
            }
        } else {
            for (int64_t i = 0; i < count; ++i) {
                *pixel = mix.Apply(*pixel);
                pixel += majorStride;
                r += step;
                if (r < 0) {
                    r += twoN;
                    pixel += minorStride;
                }
            }
        }
        return n;
    }

    uint32_t position
        = static_cast<uint32_t>((phase + static_cast<uint64_t>(kFirst)) % kDashPeriod);
    for (int64_t i = 0; i < count; ++i) {
        if (style.IsOn(position))
            *pixel = style.on.Apply(*pixel);
        else if (style.paintGaps)
            *pixel = style.gap.Apply(*pixel);
        position = position + 1 == kDashPeriod ? 0 : position + 1;
        pixel += majorStride;
        r += step;
        if (r >= twoN) {
            r -= twoN;
            pixel += minorStride;
        } else if (r < 0) {
            r += twoN;
            pixel += minorStride;
        }
    }
    return n;
}

} // namespace gdi
