// Lines of pens wider than one pixel: round-capped bands, unions of several segments.
#pragma once

#include "Spans.h"
#include "gdi/WideSegment.h"

#include <vector>

namespace gdi {

struct Segment {
    int64_t x0 = 0;
    int64_t y0 = 0;
    int64_t x1 = 0;
    int64_t y1 = 0;
};

// The union of the WideSegment strokes of several segments (round joins where they meet).
class WideStroke {
public:
    WideStroke(const std::vector<Segment>& segments, int32_t width);

    // Rows that may hold stroke pixels: [FirstRow(), LastRow()].
    int64_t FirstRow() const { return firstRow_; }
    int64_t LastRow() const { return lastRow_; }
    // The merged spans of row y.
    void RowSpans(int64_t y, std::vector<Span>& spans) const;

private:
    std::vector<WideSegment> segments_;
    int64_t firstRow_ = 0;
    int64_t lastRow_ = -1;
};

// Paints the union of the strokes once per pixel.
void DrawWideStroke(
    const Canvas& canvas, const std::vector<Segment>& segments, int32_t width, Rop2Mix mix);

} // namespace gdi
