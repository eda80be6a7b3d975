// The pixels of one segment drawn with a pen wider than one pixel, row by row: the geometry
// LineTo uses for wide pens, shared with every library that must set the same pixels.
#pragma once

#include <cstdint>

namespace gdi {

// The stroke of the segment (x0, y0)-(x1, y1) with a pen `width` pixels wide is every pixel
// whose centre lies within width/2 of the segment: a band with round caps, both ends covered; a
// zero-length segment is a round dot. For even widths the stroke is moved up and left by half a
// pixel, so that a horizontal segment on row y covers rows y - width/2 ... y - width/2 + width - 1
// as the platform's wide pens do.
//
// Caps and horizontal and vertical bands use exact integer arithmetic; slanted bands use long
// double, an approximation of the platform's polygon rasteriser that keeps the same extent.
// Valid for width >= 1 and coordinates within +-2^60 (32-bit device coordinates always are);
// nothing overflows there. Never throws.
class WideSegment {
public:
    // Columns first ... last of one row, both included; empty when last < first.
    struct Columns {
        int64_t first = 0;
        int64_t last = -1;

        bool Empty() const noexcept { return last < first; }
    };

    WideSegment(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int32_t width) noexcept;

    // Rows that may hold stroke pixels: [FirstRow(), LastRow()].
    int64_t FirstRow() const noexcept { return firstRow_; }
    int64_t LastRow() const noexcept { return lastRow_; }

    // The covered columns of row y; empty outside [FirstRow(), LastRow()]. The covered pixels of
    // a row are always one run.
    Columns Row(int64_t y) const noexcept;

private:
    // Doubled coordinates: pixel x has its centre at 2x + shift_.
    int64_t ax_, ay_, bx_, by_;
    int64_t radius_; // the width, in doubled units
    int64_t shift_; // 1 for even widths
    int64_t firstRow_;
    int64_t lastRow_;
};

} // namespace gdi
