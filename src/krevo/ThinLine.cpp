// One-pixel segments: the closed form of the GDI's line rule, entered at the first visible pixel.
//
// Pixel k (0 <= k < n, n = max(|dx|, |dy|)) of a segment lies at major = major0 + k * sign and
// minor = minor0 + floor((2 k d + n - 1) / (2 n)), d the signed minor delta; x is the major axis
// when |dx| > |dy|. Clipping narrows k to the visible range by solving both inequalities, in
// 128-bit arithmetic because 2 n * (clip - minor0) needs up to 66 bits; the walk from there is an
// incremental error term identical to the closed form.
#include "krevo/ThinLine.h"

#include <algorithm>

namespace krevo {
namespace {

__extension__ typedef __int128 Int128;

Int128 FloorDiv(Int128 a, Int128 b)
{
    Int128 q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0)))
        --q;
    return q;
}

Int128 CeilDiv(Int128 a, Int128 b) { return -FloorDiv(-a, b); }

// Segments at least this long are walked as two halves at once.
constexpr int64_t kPairedWalkLength = 32;

struct Walk {
    int64_t offset; // of the first visible pixel
    int64_t count; // visible pixels
    int64_t majorStep;
    int64_t minorStep;
    int64_t error; // in [0, limit)
    int64_t increment;
    int64_t limit;
};

template <bool Copy> void WalkSolid(const Target& target, Walk w)
{
    uint32_t* const pixels = target.view.pixels;
    const uint32_t color = target.mix.xorMask;
    for (int64_t i = 0; i < w.count; ++i) {
        if constexpr (Copy)
            pixels[w.offset] = color;
        else
            target.Paint(w.offset);
        w.offset += w.majorStep;
        w.error += w.increment;
        if (w.error >= w.limit) {
            w.error -= w.limit;
            w.offset += w.minorStep;
        }
    }
}

// Two halves of one segment walked together: their error terms are independent chains, which
// the processor overlaps.
void WalkCopyPaired(const Target& target, Walk first, Walk second)
{
    uint32_t* const pixels = target.view.pixels;
    const uint32_t color = target.mix.xorMask;
    for (int64_t i = 0; i < first.count; ++i) {
        pixels[first.offset] = color;
        pixels[second.offset] = color;
        first.offset += first.majorStep;
        second.offset += second.majorStep;
        first.error += first.increment;
        second.error += second.increment;
        if (first.error >= first.limit) {
            first.error -= first.limit;
            first.offset += first.minorStep;
        }
        if (second.error >= second.limit) {
            second.error -= second.limit;
            second.offset += second.minorStep;
        }
    }
    if (second.count > first.count)
        WalkSolid<true>(target,
            Walk { second.offset, second.count - first.count, second.majorStep, second.minorStep,
                second.error, second.increment, second.limit });
}

void WalkDashed(const Target& target, Walk w, const DashPattern& dash, int32_t position)
{
    for (int64_t i = 0; i < w.count; ++i) {
        if ((dash.onBits >> position) & 1u)
            target.Paint(w.offset);
        if (++position == dash.period)
            position = 0;
        w.offset += w.majorStep;
        w.error += w.increment;
        if (w.error >= w.limit) {
            w.error -= w.limit;
            w.offset += w.minorStep;
        }
    }
}

} // namespace

DashPattern DashPatternFor(const PenState& pen)
{
    if (!pen.Dashed())
        return {};
    switch (pen.style) {
    case gdi::PS_DASH: // 18 on, 6 off
        return { 0x3FFFFu, 24 };
    case gdi::PS_DOT: // 3 on, 3 off
        return { 0x7u, 6 };
    case gdi::PS_DASHDOT: // 9 on, 6 off, 3 on, 6 off
        return { 0x1FFu | (0x7u << 15), 24 };
    default: // PS_DASHDOTDOT: 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
        return { 0x1FFu | (0x7u << 12) | (0x7u << 18), 24 };
    }
}

int64_t DrawThinSegment(
    const Target& target, Point a, Point b, const DashPattern& dash, int32_t phase)
{
    const int64_t dx = int64_t { b.x } - a.x;
    const int64_t dy = int64_t { b.y } - a.y;
    const int64_t adx = dx < 0 ? -dx : dx;
    const int64_t ady = dy < 0 ? -dy : dy;
    const int64_t n = std::max(adx, ady);
    if (n == 0 || target.Empty())
        return n;

    const gdi::RECT& clip = target.clip;
    const bool xMajor = adx > ady;
    const int64_t major0 = xMajor ? a.x : a.y;
    const int64_t minor0 = xMajor ? a.y : a.x;
    const int64_t minor1 = xMajor ? b.y : b.x;
    const int64_t majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int64_t d = xMajor ? dy : dx;
    const int64_t majorLo = xMajor ? clip.left : clip.top;
    const int64_t majorHi = xMajor ? clip.right : clip.bottom;
    const int64_t minorLo = xMajor ? clip.top : clip.left;
    const int64_t minorHi = xMajor ? clip.bottom : clip.right;

    int64_t kBegin = 0;
    int64_t kEnd = n;
    if (majorSign > 0) {
        kBegin = std::max(kBegin, majorLo - major0);
        kEnd = std::min(kEnd, majorHi - major0);
    } else {
        kBegin = std::max(kBegin, major0 - majorHi + 1);
        kEnd = std::min(kEnd, major0 - majorLo + 1);
    }
    if (kBegin >= kEnd)
        return n;

    const Int128 twoN = Int128 { 2 } * n;
    const bool minorInside
        = std::min(minor0, minor1) >= minorLo && std::max(minor0, minor1) < minorHi;
    if (!minorInside) {
        if (d == 0)
            return n;
        // q_k >= m  <=>  2 k d >= 2 n m - n + 1;  q_k < M  <=>  2 k d < 2 n M - n + 1.
        const Int128 low = twoN * (minorLo - minor0) - n + 1;
        const Int128 high = twoN * (minorHi - minor0) - n + 1;
        const Int128 twoD = Int128 { 2 } * d;
        Int128 first;
        Int128 end;
        if (d > 0) {
            first = CeilDiv(low, twoD);
            end = CeilDiv(high, twoD);
        } else {
            first = FloorDiv(high, twoD) + 1;
            end = FloorDiv(low, twoD) + 1;
        }
        if (first > kBegin)
            kBegin = static_cast<int64_t>(std::min<Int128>(first, kEnd));
        if (end < kEnd)
            kEnd = static_cast<int64_t>(std::max<Int128>(end, kBegin));
        if (kBegin >= kEnd)
            return n;
    }

    // The walk from pixel k: minor offset q and remainder r with 2 k d + n - 1 = q * 2n + r.
    auto walkFrom = [&](int64_t k, int64_t count) {
        int64_t q = 0;
        int64_t r = n - 1;
        if (k != 0 && k < (int64_t { 1 } << 30) && n < (int64_t { 1 } << 31)) {
            // 2 k d + n - 1 < 2^63: plain 64-bit floor division.
            const int64_t numerator = 2 * k * d + n - 1;
            const int64_t twoN64 = 2 * n;
            q = numerator / twoN64;
            r = numerator - q * twoN64;
            if (r < 0) {
                --q;
                r += twoN64;
            }
        } else if (k != 0) {
            const Int128 numerator = Int128 { 2 } * k * d + n - 1;
            const Int128 quotient = FloorDiv(numerator, twoN);
            q = static_cast<int64_t>(quotient);
            r = static_cast<int64_t>(numerator - quotient * twoN);
        }
        const int64_t major = major0 + k * majorSign;
        const int64_t minor = minor0 + q;
        Walk w;
        w.offset = xMajor ? target.Offset(major, minor) : target.Offset(minor, major);
        w.count = count;
        w.majorStep = majorSign * (xMajor ? 1 : target.Stride());
        w.minorStep = (d >= 0 ? 1 : -1) * (xMajor ? target.Stride() : 1);
        w.limit = 2 * n;
        w.increment = 2 * (d < 0 ? -d : d);
        // A falling minor coordinate runs the remainder downwards; mirrored it counts up like a
        // rising one.
        w.error = d >= 0 ? r : w.limit - 1 - r;
        return w;
    };
    const int64_t count = kEnd - kBegin;
    if (dash.Solid() && target.copy && count >= kPairedWalkLength) {
        const int64_t half = count / 2;
        WalkCopyPaired(target, walkFrom(kBegin, half), walkFrom(kBegin + half, count - half));
        return n;
    }
    const Walk walk = walkFrom(kBegin, count);

    if (dash.Solid()) {
        if (target.copy)
            WalkSolid<true>(target, walk);
        else
            WalkSolid<false>(target, walk);
    } else {
        const int64_t position = (int64_t { phase } + kBegin) % dash.period;
        WalkDashed(target, walk, dash, static_cast<int32_t>(position));
    }
    return n;
}

} // namespace krevo
