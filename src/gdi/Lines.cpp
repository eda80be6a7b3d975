// LineTo: the pen's line from the current position, which then moves to the end point.
#include "LineRasterizer.h"
#include "WideStroke.h"

namespace gdi {

// A 1-pixel line leaves out its end point and restarts its dash pattern; a wide line is a
// round-capped stroke that covers both end points (a zero-length one is a dot).
BOOL LineTo(HDC hdc, int32_t x, int32_t y)
{
    DrawTarget target;
    if (!ResolveTarget(hdc, &target))
        return FALSE;
    const POINT from = target.dc->position;
    if (target.pen) {
        const StrokeStyle style = StrokeStyleFor(*target.dc, *target.pen);
        if (style.visible) {
            // A 1-pixel line stays within its end points' box. A round cap reaches half the
            // width past an end point; one more for rounding.
            const int64_t reach = style.width == 1 ? 0 : style.width / 2 + 1;
            RecordChange(target, std::min(from.x, x) - reach, std::min(from.y, y) - reach,
                int64_t { std::max(from.x, x) } + reach + 1,
                int64_t { std::max(from.y, y) } + reach + 1);
        }
        if (style.visible && style.width == 1)
            DrawThinLine(target.canvas, from.x, from.y, x, y, style, 0);
        else if (style.visible)
            DrawWideStroke(
                target.canvas, { Segment { from.x, from.y, x, y } }, style.width, style.on);
    }
    target.dc->position = POINT { x, y };
    return TRUE;
}

} // namespace gdi
