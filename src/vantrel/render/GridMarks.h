// Grid and origin marks across the plot area: a full line, or a notch at each edge.
#pragma once

#include <cstdint>
#include <gdi/Gdi.h>

namespace vantrel::render {

// Which way a mark runs: an X value is marked by a vertical mark at its column, a Y value by a
// horizontal mark at its row.
enum class MarkDirection { Vertical, Horizontal };

// A line over the whole plot: from the near edge (0) to CLng(extent). LineTo leaves out its end
// point, which lies just outside the picture, so the line covers 0 .. extent - 1.
// `extent` is the plot height (vertical marks) or width (horizontal marks), in pixels.
void PaintFullMark(gdi::HDC dc, MarkDirection direction, int32_t at, float extent);

// Two notches of one hundredth of the extent: one from the near edge (0 to CLng(extent / 100)),
// one from the far edge (CLng(extent) to CLng(extent - extent / 100)). The far one starts just
// outside the picture and so shows one pixel less.
void PaintNotchMarks(gdi::HDC dc, MarkDirection direction, int32_t at, float extent);

} // namespace vantrel::render
