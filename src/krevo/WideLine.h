// Segments of pens wider than one pixel, with the GDI's wide-pen geometry.
#pragma once

#include "krevo/Series.h"
#include "krevo/Target.h"

namespace krevo {

// Paints, once each, the pixels LineTo(b) from a sets with a pen `width` (> 1) pixels wide: every
// pixel whose centre lies within width/2 of the segment (round caps, both ends covered; a
// zero-length segment is a round dot). For even widths the stroke sits half a pixel up and left,
// so a horizontal segment on row y covers rows y - width/2 ... y - width/2 + width - 1.
void DrawWideSegment(const Target& target, Point a, Point b, int32_t width);

} // namespace krevo
