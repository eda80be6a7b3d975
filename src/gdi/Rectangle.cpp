// Rectangle: outline with the pen, interior with the brush, right and bottom edges excluded.
#include "LineRasterizer.h"
#include "Shapes.h"
#include "WideStroke.h"

namespace gdi {

BoxRect NormalizedBox(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return BoxRect { std::min(left, right), std::min(top, bottom), std::max(left, right),
        std::max(top, bottom) };
}

bool ShrinkInsideFrame(const PenObject& pen, BoxRect& box)
{
    const int64_t width = pen.DeviceWidth();
    if (pen.style != PS_INSIDEFRAME || width <= 1)
        return true;
    box.left += width / 2;
    box.top += width / 2;
    box.right -= (width - 1) / 2;
    box.bottom -= (width - 1) / 2;
    return box.right > box.left && box.bottom > box.top;
}

std::optional<Rop2Mix> BrushMix(const DrawTarget& target)
{
    if (!target.brush || target.brush->hollow)
        return std::nullopt;
    return MixForRop2(target.dc->rop2, target.brush->color);
}

// The closed path (r-1,t) -> (l,t) -> (l,b-1) -> (r-1,b-1) -> back, the platform's order for
// the counter-clockwise default arc direction. A box one pixel wide or high collapses to one
// line so that no pixel is painted twice (for a 1-pixel pen that line runs one pixel past the
// box's last pixel, since its end point is left out).
std::vector<Segment> RectanglePath(const BoxRect& box, bool thin)
{
    const int64_t l = box.left;
    const int64_t t = box.top;
    const int64_t r = box.right - 1;
    const int64_t b = box.bottom - 1;
    const int64_t past = thin ? 1 : 0;
    if (l == r)
        return { Segment { l, t, l, b + past } };
    if (t == b)
        return { Segment { r, t, l - past, t } };
    return { Segment { r, t, l, t }, Segment { l, t, l, b }, Segment { l, b, r, b },
        Segment { r, b, r, t } };
}

void RecordShapeChange(const DrawTarget& target, const BoxRect& box)
{
    // A wide pen's outline is centred on the box's edge.
    const int64_t reach = target.pen ? target.pen->DeviceWidth() / 2 + 1 : 1;
    RecordChange(target, int64_t { box.left } - reach, int64_t { box.top } - reach,
        int64_t { box.right } + reach, int64_t { box.bottom } + reach);
}

void DrawRectangleBox(const DrawTarget& target, BoxRect box)
{
    const Canvas& canvas = target.canvas;
    if (!target.pen || canvas.Empty())
        return;
    const StrokeStyle style = StrokeStyleFor(*target.dc, *target.pen);
    const std::optional<Rop2Mix> brush = BrushMix(target);
    if (!style.visible) {
        // No outline: the fill is one pixel narrower and shorter than the box.
        if (brush)
            canvas.PaintRect(box.left, box.top, box.right - 1, box.bottom - 1, *brush);
        return;
    }
    if (!ShrinkInsideFrame(*target.pen, box))
        return;
    const std::vector<Segment> path = RectanglePath(box, style.width == 1);
    if (style.width == 1) {
        if (brush)
            canvas.PaintRect(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1, *brush);
        uint64_t phase = 0;
        for (const Segment& segment : path) {
            const int64_t length = DrawThinLine(canvas, segment.x0, segment.y0, segment.x1,
                segment.y1, style, static_cast<uint32_t>(phase % kDashPeriod));
            phase += static_cast<uint64_t>(length);
        }
        return;
    }
    // Wide pen: the outline is painted once as one region; the interior is the box without its
    // right column and bottom row, minus the outline.
    const WideStroke stroke(path, style.width);
    const int64_t first = std::max<int64_t>(std::min(stroke.FirstRow(), box.top), canvas.clip.top);
    const int64_t last
        = std::min<int64_t>(std::max(stroke.LastRow(), box.bottom - 2), canvas.clip.bottom - 1);
    std::vector<Span> spans;
    for (int64_t y = first; y <= last; ++y) {
        stroke.RowSpans(y, spans);
        if (brush && y >= box.top && y <= box.bottom - 2)
            PaintSpanMinus(canvas, y, Span { box.left, box.right - 2 }, spans, *brush);
        for (const Span& span : spans)
            PaintSpan(canvas, y, span, style.on);
    }
}

BOOL Rectangle(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    DrawTarget target;
    if (!ResolveTarget(hdc, &target))
        return FALSE;
    const BoxRect box = NormalizedBox(left, top, right, bottom);
    if (box.right > box.left && box.bottom > box.top) {
        RecordShapeChange(target, box);
        DrawRectangleBox(target, box);
    }
    return TRUE;
}

} // namespace gdi
