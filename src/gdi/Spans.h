// Runs of pixels in one row, and painting a run minus a sorted set of runs.
#pragma once

#include "Canvas.h"

#include <vector>

namespace gdi {

// Pixels first ... last of one row, both included.
struct Span {
    int64_t first = 0;
    int64_t last = -1;

    bool Empty() const { return last < first; }
};

// Sorts and merges overlapping or touching spans in place.
void MergeSpans(std::vector<Span>& spans);

// Paints `span` of row y except the pixels covered by `holes` (sorted, merged).
void PaintSpanMinus(
    const Canvas& canvas, int64_t y, Span span, const std::vector<Span>& holes, Rop2Mix mix);

inline void PaintSpan(const Canvas& canvas, int64_t y, Span span, Rop2Mix mix)
{
    if (!span.Empty())
        canvas.PaintSpan(y, span.first, span.last + 1, mix);
}

} // namespace gdi
