// The 1-pixel line: which pixels a cosmetic pen sets, clipped analytically.
#pragma once

#include "Canvas.h"
#include "PenStyle.h"

namespace gdi {

// Paints the line from (x0,y0) to (x1,y1), start included and end excluded, with a 1-pixel pen.
// `phase` is the dash position of the first pixel. Returns the number of pixels of the unclipped
// line (max(|dx|,|dy|)), whatever the clip, so callers can continue a pattern. Coordinates may be
// anything that fits in 33 bits signed.
//
// Pixel k (0 <= k < n) of an x-major line (|dx| > |dy|) is x0 + k*sign(dx),
// y0 + floor((2k*dy + |dx| - 1) / (2|dx|)); a y-major line (|dy| >= |dx|) swaps the roles. This is
// Bresenham with every tie going to the smaller minor coordinate, so A->B and B->A set the same
// pixels apart from the omitted end point. The visible k range is found in closed form (major
// axis) and by bisection on the monotone minor coordinate, in 128-bit arithmetic; stepping then
// visits only visible pixels, with the error term it would have had unclipped.
int64_t DrawThinLine(const Canvas& canvas, int64_t x0, int64_t y0, int64_t x1, int64_t y1,
    const StrokeStyle& style, uint32_t phase);

} // namespace gdi
