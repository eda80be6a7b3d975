// Lines of pens wider than one pixel: round-capped bands, unions of several segments.
#pragma once

#include "Spans.h"

#include <vector>

namespace gdi {

struct Segment {
    int64_t x0 = 0;
    int64_t y0 = 0;
    int64_t x1 = 0;
    int64_t y1 = 0;
};

// The stroke of a segment with a pen of w pixels is every pixel whose centre lies within w/2 of
// the segment (a band with round caps; round joins where segments meet). For even w the stroke is
// moved up and left by half a pixel, so that a horizontal segment on row y covers rows
// y - w/2 ... y - w/2 + w - 1 as the platform's wide pens do. Exact integer arithmetic for the
// caps and for horizontal and vertical bands; other bands in long double, an approximation of the
// platform's polygon rasteriser that keeps the same extent.
class WideStroke {
public:
    WideStroke(const std::vector<Segment>& segments, int32_t width);

    // Rows that may hold stroke pixels: [FirstRow(), LastRow()].
    int64_t FirstRow() const { return firstRow_; }
    int64_t LastRow() const { return lastRow_; }
    // The merged spans of row y.
    void RowSpans(int64_t y, std::vector<Span>& spans) const;

private:
    struct Capsule {
        int64_t ax, ay, bx, by; // doubled coordinates
        int64_t firstRow, lastRow;
    };

    Span CapsuleRow(const Capsule& capsule, int64_t y) const;

    std::vector<Capsule> capsules_;
    int64_t radius_ = 0; // w, in doubled units
    int64_t shift_ = 0; // 1 for even widths: pixel centres at 2x + 1 in doubled units
    int64_t firstRow_ = 0;
    int64_t lastRow_ = -1;
};

// Paints the union of the strokes once per pixel.
void DrawWideStroke(
    const Canvas& canvas, const std::vector<Segment>& segments, int32_t width, Rop2Mix mix);

} // namespace gdi
