// Ellipse: the inscribed ellipse's outline with the pen, its inside with the brush.
#include "EllipseRegion.h"
#include "PenStyle.h"
#include "Shapes.h"

#include <vector>

namespace gdi {
namespace {

int64_t FloorDiv2(int64_t a) { return a >= 0 ? a / 2 : -((-a + 1) / 2); }

// Paints the pixels of run `span` on row y in the given direction with dash positions starting
// at `position`; returns the position after the run. Only visible pixels are visited.
uint64_t DashRun(const Canvas& canvas, int64_t y, Span span, bool leftward, uint64_t position,
    const StrokeStyle& style)
{
    if (span.Empty())
        return position;
    const uint64_t length = static_cast<uint64_t>(span.last - span.first + 1);
    if (y >= canvas.clip.top && y < canvas.clip.bottom) {
        uint32_t* row = canvas.Row(static_cast<int32_t>(y));
        const int64_t from = std::max<int64_t>(span.first, canvas.clip.left);
        const int64_t to = std::min<int64_t>(span.last, canvas.clip.right - 1);
        for (int64_t x = from; x <= to; ++x) {
            const uint64_t offset
                = static_cast<uint64_t>(leftward ? span.last - x : x - span.first);
            const auto dash = static_cast<uint32_t>((position + offset) % kDashPeriod);
            if (style.IsOn(dash))
                row[x] = style.on.Apply(row[x]);
            else if (style.paintGaps)
                row[x] = style.gap.Apply(row[x]);
        }
    }
    return position + length;
}

// The part of the row's outline on one side of the centre column: left holds x <= mid.
int SideRuns(const Span runs[2], int count, int64_t mid, bool left, Span out[2])
{
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const Span part = left ? Span { runs[i].first, std::min(runs[i].last, mid) }
                               : Span { std::max(runs[i].first, mid + 1), runs[i].last };
        if (!part.Empty())
            out[n++] = part;
    }
    return n;
}

// A dashed outline walks the closed chain: the top row's right half leftwards, the left half
// downwards, the right half upwards, so the pattern runs continuously from the top. The walk
// costs one step per row of the whole ellipse, visible or not.
void DashOutline(const Canvas& canvas, const EllipseRegion& region, const StrokeStyle& style)
{
    const int64_t mid = FloorDiv2(region.CentreX2());
    uint64_t position = 0;
    Span runs[2];
    Span side[2];
    Span inside;
    auto walkRow = [&](int64_t y, bool left, bool leftward) {
        const int count = OutlineRuns(region, y, runs, &inside);
        const int n = SideRuns(runs, count, mid, left, side);
        for (int i = 0; i < n; ++i) {
            const Span& span = side[leftward ? n - 1 - i : i];
            position = DashRun(canvas, y, span, leftward, position, style);
        }
    };
    const int64_t top = region.Top();
    const int64_t bottom = region.Bottom() - 1;
    walkRow(top, false, true);
    for (int64_t y = top; y <= bottom; ++y)
        walkRow(y, true, 2 * y <= region.CentreY2());
    for (int64_t y = bottom; y > top; --y)
        walkRow(y, false, 2 * y <= region.CentreY2());
}

void DrawEllipseBox(const DrawTarget& target, BoxRect box)
{
    const Canvas& canvas = target.canvas;
    const StrokeStyle style = StrokeStyleFor(*target.dc, *target.pen);
    const std::optional<Rop2Mix> brush = BrushMix(target);
    if (!style.visible) {
        // No outline: like Rectangle, the filled ellipse is that of a box one pixel smaller.
        if (!brush)
            return;
        const EllipseRegion region(box.left, box.top, box.right - 1, box.bottom - 1);
        const int64_t last = std::min<int64_t>(region.Bottom(), canvas.clip.bottom);
        for (int64_t y = std::max<int64_t>(region.Top(), canvas.clip.top); y < last; ++y)
            PaintSpan(canvas, y, region.Row(y), *brush);
        return;
    }
    if (!ShrinkInsideFrame(*target.pen, box))
        return;
    if (style.width == 1) {
        const EllipseRegion region(box.left, box.top, box.right, box.bottom);
        const int64_t last = std::min<int64_t>(region.Bottom(), canvas.clip.bottom);
        Span runs[2];
        Span inside;
        for (int64_t y = std::max<int64_t>(region.Top(), canvas.clip.top); y < last; ++y) {
            const int count = OutlineRuns(region, y, runs, &inside);
            if (brush)
                PaintSpan(canvas, y, inside, *brush);
            for (int i = 0; i < count && !style.Dashed(); ++i)
                PaintSpan(canvas, y, runs[i], style.on);
        }
        if (style.Dashed() && region.Bottom() > canvas.clip.top
            && region.Top() < canvas.clip.bottom)
            DashOutline(canvas, region, style);
        return;
    }
    // Wide pen: the ring between the ellipse of the box grown by the pen's reach and that of the
    // box shrunk past it; the same reach as a band of w pixels centred on the 1-pixel outline.
    const int64_t before = style.width / 2;
    const int64_t after = (style.width - 1) / 2;
    const EllipseRegion outer(
        box.left - before, box.top - before, box.right + after, box.bottom + after);
    const EllipseRegion inner(
        box.left + after + 1, box.top + after + 1, box.right - before - 1, box.bottom - before - 1);
    const int64_t last = std::min<int64_t>(outer.Bottom(), canvas.clip.bottom);
    std::vector<Span> hole(1);
    for (int64_t y = std::max<int64_t>(outer.Top(), canvas.clip.top); y < last; ++y) {
        hole[0] = inner.Row(y);
        if (brush)
            PaintSpan(canvas, y, hole[0], *brush);
        if (hole[0].Empty())
            hole.clear();
        PaintSpanMinus(canvas, y, outer.Row(y), hole, style.on);
        hole.resize(1);
    }
}

} // namespace

// Boxes two pixels wide or high or less are drawn as Rectangle.
BOOL Ellipse(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    DrawTarget target;
    if (!ResolveTarget(hdc, &target))
        return FALSE;
    const BoxRect box = NormalizedBox(left, top, right, bottom);
    if (box.right == box.left || box.bottom == box.top || !target.pen || target.canvas.Empty())
        return TRUE;
    RecordShapeChange(target, box);
    if (box.right - box.left <= 2 || box.bottom - box.top <= 2)
        DrawRectangleBox(target, box);
    else
        DrawEllipseBox(target, box);
    return TRUE;
}

} // namespace gdi
