// One-pixel segments exactly as the GDI's LineTo sets them, solid or dashed, clipped
// arithmetically.
#pragma once

#include "krevo/DrawingState.h"
#include "krevo/Series.h"
#include "krevo/Target.h"

namespace krevo {

// Bit i set: position i of the period is drawn. period 0: solid.
struct DashPattern {
    uint32_t onBits = 0;
    int32_t period = 0;

    bool Solid() const { return period == 0; }
};

DashPattern DashPatternFor(const PenState& pen);

// Paints the pixels LineTo(b) sets from current position a with a one-pixel pen: max(|dx|, |dy|)
// pixels, start included, end left out, ties toward the smaller minor coordinate. The dash
// pattern is at position `phase` on the first pixel and advances one position per pixel, clipped
// pixels included. Returns the number of pixels of the unclipped segment.
int64_t DrawThinSegment(
    const Target& target, Point a, Point b, const DashPattern& dash, int32_t phase);

} // namespace krevo
