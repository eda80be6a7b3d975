// Grid and origin marks across the plot area.
#include "render/GridMarks.h"

#include <vantrel/Rounding.h>

namespace vantrel::render {

namespace {

// One segment along the mark's direction, from `from` to `to` (end point left out).
void Segment(gdi::HDC dc, MarkDirection direction, int32_t at, int32_t from, int32_t to)
{
    if (direction == MarkDirection::Vertical) {
        gdi::MoveToEx(dc, at, from, nullptr);
        gdi::LineTo(dc, at, to);
    } else {
        gdi::MoveToEx(dc, from, at, nullptr);
        gdi::LineTo(dc, to, at);
    }
}

} // namespace

void PaintFullMark(gdi::HDC dc, MarkDirection direction, int32_t at, float extent)
{
    Segment(dc, direction, at, 0, CLng(extent));
}

void PaintNotchMarks(gdi::HDC dc, MarkDirection direction, int32_t at, float extent)
{
    const double length = static_cast<double>(extent);
    // Both ends are computed before anything is drawn, so an overflow draws no half mark.
    const int32_t nearEnd = CLng(length * 0.01);
    const int32_t farEdge = CLng(length);
    const int32_t farEnd = CLng(length - length * 0.01);
    Segment(dc, direction, at, 0, nearEnd);
    Segment(dc, direction, at, farEdge, farEnd);
}

} // namespace vantrel::render
