// Golden images: pen styles and widths, the sixteen raster operations, rectangles and ellipses.
#include "GdiTestSupport.h"

#include <tuple>
#include <utility>

namespace gdi::test {
namespace {

using GoldenTest = GdiTest;

// A fan of lines from one centre, and a closed rectangular polyline below it.
void DrawLineCell(HDC dc, int32_t left, int32_t top)
{
    for (const auto& [dx, dy] : { std::pair { 12, 0 }, { 12, 5 }, { 12, 12 }, { 5, 12 }, { 0, 12 },
             { -9, 12 }, { -12, 3 } }) {
        Line(dc, left + 14, top + 14, left + 14 + dx, top + 14 + dy);
    }
    MoveToEx(dc, left + 1, top + 30, nullptr);
    for (const auto& [x, y] : { std::pair { 27, 30 }, { 27, 44 }, { 1, 44 }, { 1, 30 } })
        LineTo(dc, left + x, top + y);
}

// Columns: pen styles 0-6; rows: widths 0, 1 and 3. Width 0 in TRANSPARENT mode, width 1 with
// OPAQUE yellow gaps, width 3 OPAQUE too (wide pens draw dashed styles solid).
TEST_F(GoldenTest, PenStylesAndWidths)
{
    Pixmap box(200, 150, 0x00E0E0E0u);
    SetBkColor(box.Dc(), 0x0000FFFFu);
    const int32_t widths[3] = { 0, 1, 3 };
    for (int32_t row = 0; row < 3; ++row) {
        SetBkMode(box.Dc(), row == 0 ? TRANSPARENT : OPAQUE);
        for (int32_t style = 0; style <= 6; ++style) {
            Selected pen(box.Dc(),
                CreatePen(style, widths[row], 0x00800000u | static_cast<uint32_t>(style * 30)));
            DrawLineCell(box.Dc(), 2 + style * 28, 2 + row * 49);
        }
    }
    EXPECT_EQ(CompareWithGolden("gdi/pen-styles", box.View()), "");
}

// Sixteen cells over a striped background of eight colours; each cell holds lines of width 1
// and 4 and a filled rectangle and ellipse, all in the cell's raster operation.
TEST_F(GoldenTest, SixteenRasterOperations)
{
    Pixmap box(200, 150, white);
    const COLORREF stripes[8]
        = { 0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0x808080, 0x3C7A5E };
    Paint(box, [&stripes](int32_t x, int32_t) { return stripes[(x / 3) % 8]; });
    for (int32_t rop = 1; rop <= 16; ++rop) {
        const int32_t left = ((rop - 1) % 4) * 50;
        const int32_t top = ((rop - 1) / 4) * 37;
        SetROP2(box.Dc(), rop);
        Selected thin(box.Dc(), CreatePen(PS_SOLID, 1, 0x00C06030u));
        for (int32_t i = 0; i < 4; ++i)
            Line(box.Dc(), left + 2, top + 3 + i * 3, left + 47, top + 3 + i * 7);
        Selected wide(box.Dc(), CreatePen(PS_SOLID, 4, 0x0030A0F0u));
        Selected brush(box.Dc(), CreateSolidBrush(0x00A040C0u));
        Rectangle(box.Dc(), left + 4, top + 20, left + 22, top + 34);
        Ellipse(box.Dc(), left + 26, top + 18, left + 48, top + 35);
    }
    SetROP2(box.Dc(), R2_COPYPEN);
    EXPECT_EQ(CompareWithGolden("gdi/raster-operations", box.View()), "");
}

// Rectangles (top half) and ellipses (bottom half): hollow, filled, null pen, dashed, widths 2,
// 3 and 4, inside frame, reversed corners and boxes of 1 to 3 pixels.
TEST_F(GoldenTest, RectanglesAndEllipses)
{
    Pixmap box(200, 150, white);
    const std::tuple<int32_t, int32_t, bool, bool> cells[] = {
        // style, width, filled, reversed
        { PS_SOLID, 0, false, false },
        { PS_SOLID, 1, true, false },
        { PS_NULL, 1, true, false },
        { PS_DASH, 1, true, true },
        { PS_DOT, 1, false, false },
        { PS_SOLID, 2, true, false },
        { PS_SOLID, 3, true, true },
        { PS_SOLID, 4, false, false },
        { PS_INSIDEFRAME, 4, true, false },
        { PS_DASHDOTDOT, 1, true, false },
    };
    using ShapeCall = BOOL (*)(HDC, int32_t, int32_t, int32_t, int32_t);
    const ShapeCall shapes[2] = { &Rectangle, &Ellipse };
    for (int32_t kind = 0; kind < 2; ++kind) {
        for (int32_t i = 0; i < 10; ++i) {
            const auto [style, width, filled, reversed] = cells[i];
            const int32_t left = 4 + (i % 5) * 39;
            const int32_t top = 4 + kind * 72 + (i / 5) * 31;
            Selected pen(box.Dc(), CreatePen(style, width, 0x00202080u));
            Selected brush(
                box.Dc(), filled ? CreateSolidBrush(0x0080D0F0u) : GetStockObject(HOLLOW_BRUSH));
            if (reversed)
                shapes[kind](box.Dc(), left + 31, top + 25, left, top);
            else
                shapes[kind](box.Dc(), left, top, left + 31, top + 25);
        }
        // Tiny boxes: 1x1, 2x2, 3x3, 3x5 with a 1-pixel pen and a brush.
        Selected brush(box.Dc(), CreateSolidBrush(0x0000A000u));
        const int32_t top = 66 + kind * 72;
        const int32_t sizes[4][2] = { { 1, 1 }, { 2, 2 }, { 3, 3 }, { 3, 5 } };
        for (int32_t i = 0; i < 4; ++i)
            shapes[kind](box.Dc(), 4 + i * 8, top, 4 + i * 8 + sizes[i][0], top + sizes[i][1]);
    }
    EXPECT_EQ(CompareWithGolden("gdi/rectangles-ellipses", box.View()), "");
}

} // namespace
} // namespace gdi::test
