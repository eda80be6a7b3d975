// The pixels of an ellipse inscribed in a box, row by row.
#pragma once

#include "Spans.h"

namespace gdi {

// The ellipse through the centres of the box's outermost pixels: horizontal diameter
// W = right - left - 1 and vertical H = bottom - top - 1 between pixel centres. The region holds
// the pixels whose centres lie inside that ellipse grown by half a pixel (semi-axes (W+1)/2 and
// (H+1)/2), so the leftmost pixels are in column left, the rightmost in right - 1, the top row is
// top, and the region is symmetric in both axes. Every row of the box holds at least its centre
// pixel (two for an even width). Exact 128-bit integer arithmetic while W and H are below 2^32,
// long double beyond (only pens wide enough to push a box past the 32-bit range get there).
class EllipseRegion {
public:
    EllipseRegion(int64_t left, int64_t top, int64_t right, int64_t bottom);

    int64_t Top() const { return top_; }
    int64_t Bottom() const { return bottom_; } // exclusive
    int64_t CentreX2() const { return centreX2_; } // doubled
    int64_t CentreY2() const { return centreY2_; }
    // The span of row y; empty outside the box.
    Span Row(int64_t y) const;

private:
    bool Reaches(int64_t halfWidth2, int64_t y2) const;

    int64_t top_ = 0;
    int64_t bottom_ = 0;
    int64_t w_ = -1;
    int64_t h_ = -1;
    int64_t centreX2_ = 0;
    int64_t centreY2_ = 0;
};

// The 1-pixel outline of row y: the region's pixels with a 4-neighbour outside the region.
// At most two runs (left and right); `inside` receives the row's pixels strictly inside.
int OutlineRuns(const EllipseRegion& region, int64_t y, Span runs[2], Span* inside);

} // namespace gdi
