// What Rectangle and Ellipse share: normalised boxes, the inside-frame rule and the brush mix.
#pragma once

#include "Canvas.h"

#include <optional>

namespace gdi {

// A half-open box in 64-bit coordinates, so that widening it by a pen never overflows.
struct BoxRect {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;
};

// Corners in either order give the same box.
BoxRect NormalizedBox(int32_t left, int32_t top, int32_t right, int32_t bottom);

// For PS_INSIDEFRAME pens wider than 1 pixel, shrinks the box so that the whole outline lies
// inside it: left and top by w/2, right and bottom by (w-1)/2 (floors). False when nothing is
// left to draw.
bool ShrinkInsideFrame(const PenObject& pen, BoxRect& box);

// The brush's mix with the DC's raster operation, or none for a hollow brush.
std::optional<Rop2Mix> BrushMix(const DrawTarget& target);

// Draws a non-empty normalised box as Rectangle does.
// Records the box, widened by the pen's reach, as changed.
void RecordShapeChange(const DrawTarget& target, const BoxRect& box);
void DrawRectangleBox(const DrawTarget& target, BoxRect box);

} // namespace gdi
