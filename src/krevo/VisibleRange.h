// The points of an interval series that can reach the clip rectangle, found by bisection.
#pragma once

#include "gdi/Gdi.h"
#include "krevo/Series.h"

namespace krevo {

struct IndexRange {
    int64_t begin = 0;
    int64_t end = 0;
};

// For an interval series the pixel column is monotone in the index (every step of
// (x0 + k * dx) * conv + offset is monotone and rounding is too), so the points whose column lies
// in [clip.left - margin, clip.right + margin) form one index range. The range returned adds one
// point at each side, so that segments crossing the edge are kept. A margin of at least the pen
// width keeps every point that can paint inside. Other series: the whole range.
IndexRange VisibleRange(const Series& series, const gdi::RECT& clip, int64_t margin);

} // namespace krevo
