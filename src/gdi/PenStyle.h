// How the selected pen paints: dash patterns of 1-pixel pens, gap handling and device widths.
#pragma once

#include "GdiObjects.h"

namespace gdi {

// Every cosmetic dash period divides 24, so a pattern is a 24-bit mask: bit i is set when
// position i is "on". Positions count drawn pixels along the major axis from the start of the
// call (LineTo, Rectangle, Ellipse), so each call restarts the pattern at its first "on" pixel.
constexpr uint32_t kDashPeriod = 24;

struct StrokeStyle {
    bool visible = true; // false for PS_NULL
    int32_t width = 1; // device pixels
    Rop2Mix on;
    Rop2Mix gap; // used for gap pixels when paintGaps
    bool paintGaps = false; // OPAQUE background mode with a dashed pen
    uint32_t dashMask = 0; // 0: solid

    bool Dashed() const { return dashMask != 0; }
    bool IsOn(uint32_t position) const { return dashMask == 0 || (dashMask >> position & 1u) != 0; }
};

// The style in which `pen` draws in `dc`: dashes only for 1-pixel pens (wider dashed pens draw
// solid); gaps painted with the background colour through the ROP2 in OPAQUE mode, left alone in
// TRANSPARENT mode.
StrokeStyle StrokeStyleFor(const DcObject& dc, const PenObject& pen);

} // namespace gdi
