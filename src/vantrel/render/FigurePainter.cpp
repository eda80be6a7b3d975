// Single figures in plot pixels through the graphics interface.
#include "render/FigurePainter.h"

#include "render/GdiScope.h"

#include <algorithm>
#include <limits>

namespace vantrel::render {

void PaintLineFigure(
    gdi::HDC dc, FigurePen pen, gdi::COLORREF color, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    PenScope scope(dc, pen.style, pen.width, color);
    gdi::MoveToEx(dc, x1, y1, nullptr);
    gdi::LineTo(dc, x2, y2);
}

void PaintBoxFigure(gdi::HDC dc, BoxFigure figure, FigurePen pen, gdi::COLORREF color,
    std::optional<gdi::COLORREF> fill, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    PenScope penScope(dc, pen.style, pen.width, color);
    std::optional<BrushScope> brushScope;
    if (fill)
        brushScope.emplace(dc, *fill);
    if (figure == BoxFigure::Rectangle)
        gdi::Rectangle(dc, x1, y1, x2, y2);
    else
        gdi::Ellipse(dc, x1, y1, x2, y2);
}

void PaintPointFigure(gdi::HDC dc, int32_t x, int32_t y, gdi::COLORREF color)
{
    gdi::SetPixel(dc, x, y, color);
}

void PaintTextFigure(gdi::HDC dc, int32_t x, int32_t y, std::string_view text, gdi::COLORREF color)
{
    TextColorScope scope(dc, color);
    const auto length = static_cast<int32_t>(
        std::min<std::size_t>(text.size(), std::numeric_limits<int32_t>::max()));
    gdi::TextOutA(dc, x, y, text.data(), length);
}

} // namespace vantrel::render
