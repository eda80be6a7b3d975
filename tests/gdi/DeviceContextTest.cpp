// Handles, default DC state, object selection and deletion, pixels, fills and copies.
#include "GdiTestSupport.h"

namespace gdi::test {
namespace {

class DeviceContextTest : public GdiTest { };

TEST_F(DeviceContextTest, InvalidAndDeletedHandlesAreRefused)
{
    const HPEN pen = CreatePen(PS_SOLID, 1, 0xFF);
    ASSERT_TRUE(DeleteObject(pen));
    const HDC deadDc = CreateCompatibleDC(0);
    ASSERT_TRUE(DeleteDC(deadDc));
    Pixmap box(4, 4, white);
    const Pixmap before = box;
    for (const HGDIOBJ bad :
        { HGDIOBJ { 0 }, HGDIOBJ { 0xFFFFFFFFu }, HGDIOBJ { 12345678u }, pen, deadDc }) {
        SCOPED_TRACE(bad);
        SIZE size;
        Surface surface;
        EXPECT_FALSE(DeleteObject(bad) || DeleteDC(bad) || MoveToEx(bad, 1, 1, nullptr)
            || LineTo(bad, 1, 1) || Rectangle(bad, 0, 0, 2, 2) || Ellipse(bad, 0, 0, 2, 2)
            || TextOutA(bad, 0, 0, "abc", 3) || GetTextExtentPoint32A(bad, "abc", 3, &size)
            || GetSurface(bad, &surface));
        EXPECT_FALSE(SelectObject(box.Dc(), bad) || SelectObject(bad, GetStockObject(BLACK_PEN))
            || GetObjectType(bad) || SetROP2(bad, R2_NOT) || GetBkMode(bad));
        EXPECT_TRUE(SetPixel(bad, 0, 0, 0) == CLR_INVALID && GetPixel(bad, 0, 0) == CLR_INVALID
            && GetTextColor(bad) == CLR_INVALID);
    }
    // A DC is not a drawing object; raster operations outside 1-16 are refused.
    EXPECT_FALSE(DeleteObject(box.Dc()));
    EXPECT_EQ(SetROP2(box.Dc(), 0), 0);
    EXPECT_EQ(SetROP2(box.Dc(), 17), 0);
    EXPECT_EQ(GetROP2(box.Dc()), R2_COPYPEN);
    EXPECT_EQ(box, before);
}

// Stock objects survive deletion and are not counted. A fresh DC holds the stock pen and brush;
// selected objects and a bitmap in use cannot be deleted, a bitmap belongs to one DC at a time,
// and deleting the DC releases it.
TEST_F(DeviceContextTest, StockObjectsAndSelectionGuardObjectsInUse)
{
    for (const int32_t index :
        { WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN, BLACK_PEN, NULL_PEN, SYSTEM_FONT }) {
        const HGDIOBJ stock = GetStockObject(index);
        EXPECT_TRUE(stock != 0 && DeleteObject(stock) && GetObjectType(stock) != 0) << index;
    }
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(CreatePen(PS_NULL, 3, 0xFF), GetStockObject(NULL_PEN));
    EXPECT_EQ(GetStockObject(9), 0u);
    EXPECT_FALSE(
        CreateBitmap32(0, 5) || CreateBitmap32(5, -1) || CreateBitmap32(INT32_MAX, INT32_MAX));
    const HDC dc = CreateCompatibleDC(0);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    const HPEN pen = CreatePen(PS_DASH, 1, 0xFF);
    const HBRUSH brush = CreateSolidBrush(0xFF00);
    const HBITMAP bitmap = CreateBitmap32(4, 4);
    EXPECT_EQ(LiveObjectCount(OBJ_DC) + LiveObjectCount(OBJ_PEN) + LiveObjectCount(OBJ_BRUSH)
            + LiveObjectCount(OBJ_BITMAP),
        4);
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_NE(SelectObject(dc, bitmap), 0u);
    EXPECT_FALSE(DeleteObject(pen) || DeleteObject(brush) || DeleteObject(bitmap));
    const HDC other = CreateCompatibleDC(0);
    EXPECT_EQ(SelectObject(other, bitmap), 0u);
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), brush);
    EXPECT_TRUE(DeleteObject(pen) && DeleteObject(brush));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_NE(SelectObject(other, bitmap), 0u);
    EXPECT_TRUE(DeleteDC(other));
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST_F(DeviceContextTest, PixelsFillsAndCopiesStayInsideBitmapAndClip)
{
    Pixmap box(6, 4, 0x80123456u); // the top byte is dropped
    const HDC dc = box.Dc();
    EXPECT_EQ(GetPixel(dc, 5, 3), 0x00123456u);
    EXPECT_TRUE(GetPixel(dc, 6, 0) == CLR_INVALID && GetPixel(dc, -1, 0) == CLR_INVALID);

    // FillRect copies (no ROP2) and does not normalise a reversed rectangle.
    SetROP2(dc, R2_XORPEN);
    const RECT reversed { 4, 3, 1, 1 };
    const RECT two { 0, 0, 2, 1 };
    ASSERT_TRUE(FillRect(dc, &reversed, GetStockObject(WHITE_BRUSH)));
    ASSERT_TRUE(FillRect(dc, &two, GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 2, 2), 0x00123456u);
    EXPECT_EQ(GetPixel(dc, 1, 0), 0x00FFFFFFu);
    EXPECT_EQ(GetPixel(dc, 2, 0), 0x00123456u);

    // SetPixel goes through the ROP2, fails outside the clip and drops the top byte.
    EXPECT_EQ(SetPixel(dc, 3, 1, 0x000000FFu), 0x000000FFu);
    EXPECT_EQ(GetPixel(dc, 3, 1), 0x00123456u ^ 0xFFu);
    SetROP2(dc, R2_COPYPEN);
    const RECT clip { 1, 1, 3, 3 };
    SetClipRect(dc, &clip);
    EXPECT_EQ(SetPixel(dc, 3, 1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 3, 1), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, 2, 2, 0x80000005u), 5u);
    Surface surface;
    ASSERT_TRUE(GetSurface(dc, &surface));
    EXPECT_TRUE(surface.view.width == 6 && surface.view.height == 4 && surface.view.stride == 6);
    EXPECT_TRUE(surface.clip.left == 1 && surface.clip.bottom == 3);
    EXPECT_EQ(surface.view.At(2, 2), 5u);
    ResetClip(dc);

    // BitBlt into a second bitmap, partly outside the source; only SRCCOPY is offered.
    Pixmap copy(4, 4, 0);
    ASSERT_TRUE(BitBlt(copy.Dc(), 0, 0, 4, 4, dc, 4, 1, SRCCOPY));
    EXPECT_EQ(copy.At(1, 0), 0x00123456u);
    EXPECT_EQ(copy.At(2, 0), 0u); // beyond the source's right edge: untouched
    EXPECT_EQ(copy.At(0, 3), 0u); // beyond the source's bottom edge
    EXPECT_FALSE(BitBlt(copy.Dc(), 0, 0, 4, 4, dc, 0, 0, 0x00660046u));
    // An overlapping copy inside one bitmap moves rows intact.
    ASSERT_TRUE(BitBlt(dc, 0, 1, 6, 3, dc, 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(dc, 1, 1), 0x00FFFFFFu);
    EXPECT_EQ(GetPixel(dc, 1, 2), 0x00123456u);
}

} // namespace
} // namespace gdi::test
