// Painting of single figures in plot pixels: lines, rectangles, ellipses, points and text.
#pragma once

#include <cstdint>
#include <gdi/Gdi.h>
#include <optional>
#include <string_view>

namespace vantrel::render {

// The pen of lines and outlines: a GDI pen style (0 solid .. 6 inside frame, passed on
// unchanged) and a width in pixels.
struct FigurePen {
    int32_t style = gdi::PS_SOLID;
    int32_t width = 0;
};

enum class BoxFigure { Rectangle, Ellipse };

// Each painter draws through the DC's current raster operation, which the caller sets. Pens and
// brushes live for the one figure: created, selected, used, put back and deleted.

// From (x1, y1) to (x2, y2), the end point left out.
void PaintLineFigure(gdi::HDC dc, FigurePen pen, gdi::COLORREF color, int32_t x1, int32_t y1,
    int32_t x2, int32_t y2);

// A rectangle or an ellipse in the box of the two corners. With a fill colour a solid brush of
// it paints the interior; without one the DC's own brush does, which on a picture is hollow, so
// the interior stays as it was.
void PaintBoxFigure(gdi::HDC dc, BoxFigure figure, FigurePen pen, gdi::COLORREF color,
    std::optional<gdi::COLORREF> fill, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// One pixel; no pen is made, so pen style and width do not apply.
void PaintPointFigure(gdi::HDC dc, int32_t x, int32_t y, gdi::COLORREF color);

// Text with its top-left corner at (x, y) in the DC's font and background mode. The bytes go to
// TextOutA as they are, the byte count as length: the picture fonts are single-byte Latin-1, so
// UTF-8 text beyond ASCII shows as its bytes, one character each.
void PaintTextFigure(gdi::HDC dc, int32_t x, int32_t y, std::string_view text, gdi::COLORREF color);

} // namespace vantrel::render
