// Round-capped wide strokes, computed row by row over the visible rows only.
#include "WideStroke.h"

#include <algorithm>

namespace gdi {

WideStroke::WideStroke(const std::vector<Segment>& segments, int32_t width)
{
    segments_.reserve(segments.size());
    for (const Segment& segment : segments) {
        const WideSegment& wide
            = segments_.emplace_back(segment.x0, segment.y0, segment.x1, segment.y1, width);
        const bool first = segments_.size() == 1;
        firstRow_ = first ? wide.FirstRow() : std::min(firstRow_, wide.FirstRow());
        lastRow_ = first ? wide.LastRow() : std::max(lastRow_, wide.LastRow());
    }
}

void WideStroke::RowSpans(int64_t y, std::vector<Span>& spans) const
{
    spans.clear();
    for (const WideSegment& segment : segments_) {
        const WideSegment::Columns columns = segment.Row(y);
        spans.push_back(Span { columns.first, columns.last });
    }
    MergeSpans(spans);
}

void DrawWideStroke(
    const Canvas& canvas, const std::vector<Segment>& segments, int32_t width, Rop2Mix mix)
{
    if (canvas.Empty() || segments.empty())
        return;
    const WideStroke stroke(segments, width);
    const int64_t first = std::max<int64_t>(stroke.FirstRow(), canvas.clip.top);
    const int64_t last = std::min<int64_t>(stroke.LastRow(), canvas.clip.bottom - 1);
    std::vector<Span> spans;
    for (int64_t y = first; y <= last; ++y) {
        stroke.RowSpans(y, spans);
        for (const Span& span : spans)
            PaintSpan(canvas, y, span, mix);
    }
}

} // namespace gdi
