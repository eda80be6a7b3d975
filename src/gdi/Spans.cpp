// Merging spans and painting a span with holes.
#include "Spans.h"

#include <algorithm>

namespace gdi {

void MergeSpans(std::vector<Span>& spans)
{
    std::erase_if(spans, [](const Span& span) { return span.Empty(); });
    std::sort(
        spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.first < b.first; });
    size_t out = 0;
    for (const Span& span : spans) {
        if (out > 0 && span.first <= spans[out - 1].last + 1)
            spans[out - 1].last = std::max(spans[out - 1].last, span.last);
        else
            spans[out++] = span;
    }
    spans.resize(out);
}

void PaintSpanMinus(
    const Canvas& canvas, int64_t y, Span span, const std::vector<Span>& holes, Rop2Mix mix)
{
    int64_t from = span.first;
    for (const Span& hole : holes) {
        if (hole.last < from)
            continue;
        if (hole.first > span.last)
            break;
        PaintSpan(canvas, y, Span { from, std::min(span.last, hole.first - 1) }, mix);
        from = hole.last + 1;
    }
    PaintSpan(canvas, y, Span { from, span.last }, mix);
}

} // namespace gdi
