// Handles, default DC state, object selection and deletion, pixels, fills, copies and colours.
#include "gdi/Gdi.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

class DeviceContextTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(LiveObjectCount(0), 0) << "objects leaked by the test"; }
};

TEST_F(DeviceContextTest, FreshDcHasThePlatformDefaults)
{
    const HDC dc = CreateCompatibleDC(0);
    ASSERT_NE(dc, 0u);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), 0x00FFFFFFu);
    EXPECT_EQ(GetTextColor(dc), 0u);
    POINT position { 5, 5 };
    ASSERT_TRUE(GetCurrentPositionEx(dc, &position));
    EXPECT_EQ(position.x, 0);
    EXPECT_EQ(position.y, 0);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(LiveObjectCount(OBJ_DC), 1);
    EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(DeviceContextTest, InvalidAndDeletedHandlesAreRefused)
{
    const HPEN pen = CreatePen(PS_SOLID, 1, 0xFF);
    ASSERT_TRUE(DeleteObject(pen));
    const HDC dc = CreateCompatibleDC(0);
    const HDC deadDc = CreateCompatibleDC(0);
    ASSERT_TRUE(DeleteDC(deadDc));
    for (const HGDIOBJ bad :
        { HGDIOBJ { 0 }, HGDIOBJ { 0xFFFFFFFFu }, HGDIOBJ { 12345678u }, pen, deadDc }) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(DeleteObject(bad));
        EXPECT_FALSE(DeleteDC(bad));
        EXPECT_EQ(SelectObject(dc, bad), 0u);
        EXPECT_EQ(SelectObject(bad, GetStockObject(BLACK_PEN)), 0u);
        EXPECT_EQ(GetObjectType(bad), 0);
        EXPECT_FALSE(LineTo(bad, 1, 1));
        EXPECT_FALSE(Rectangle(bad, 0, 0, 2, 2));
        EXPECT_FALSE(Ellipse(bad, 0, 0, 2, 2));
        EXPECT_EQ(SetPixel(bad, 0, 0, 0), CLR_INVALID);
        EXPECT_EQ(GetPixel(bad, 0, 0), CLR_INVALID);
        EXPECT_EQ(SetROP2(bad, R2_NOT), 0);
        EXPECT_EQ(GetTextColor(bad), CLR_INVALID);
        EXPECT_EQ(GetBkMode(bad), 0);
        EXPECT_FALSE(MoveToEx(bad, 1, 1, nullptr));
        Surface surface;
        EXPECT_FALSE(GetSurface(bad, &surface));
    }
    // A DC is not a drawing object and a pen is not a DC.
    EXPECT_FALSE(DeleteObject(dc));
    EXPECT_EQ(SetROP2(dc, 0), 0);
    EXPECT_EQ(SetROP2(dc, 17), 0);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(DeviceContextTest, StockObjectsSurviveDeletionAndAreNotCounted)
{
    for (const int32_t index :
        { WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN, BLACK_PEN, NULL_PEN, SYSTEM_FONT }) {
        SCOPED_TRACE(index);
        const HGDIOBJ stock = GetStockObject(index);
        ASSERT_NE(stock, 0u);
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_NE(GetObjectType(stock), 0);
    }
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(CreatePen(PS_NULL, 3, 0xFF), GetStockObject(NULL_PEN));
    EXPECT_EQ(GetStockObject(9), 0u);
}

TEST_F(DeviceContextTest, SelectedObjectsCannotBeDeletedUntilDeselected)
{
    const HDC dc = CreateCompatibleDC(0);
    const HPEN pen = CreatePen(PS_DASH, 1, 0xFF);
    const HBRUSH brush = CreateSolidBrush(0xFF00);
    const HBITMAP bitmap = CreateBitmap32(4, 4);
    EXPECT_EQ(LiveObjectCount(OBJ_PEN), 1);
    EXPECT_EQ(LiveObjectCount(OBJ_BRUSH), 1);
    EXPECT_EQ(LiveObjectCount(OBJ_BITMAP), 1);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    EXPECT_EQ(oldPen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(oldBrush, GetStockObject(WHITE_BRUSH));
    EXPECT_NE(oldBitmap, 0u);
    EXPECT_EQ(SelectObject(dc, GetStockObject(SYSTEM_FONT)), GetStockObject(SYSTEM_FONT));
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(bitmap));

    // One bitmap, one DC.
    const HDC other = CreateCompatibleDC(0);
    EXPECT_EQ(SelectObject(other, bitmap), 0u);
    EXPECT_TRUE(DeleteDC(other));

    EXPECT_EQ(SelectObject(dc, oldPen), pen);
    EXPECT_EQ(SelectObject(dc, oldBrush), brush);
    EXPECT_EQ(SelectObject(dc, oldBitmap), bitmap);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(DeviceContextTest, DeletingADcReleasesItsBitmap)
{
    const HBITMAP bitmap = CreateBitmap32(2, 2);
    const HDC first = CreateCompatibleDC(0);
    SelectObject(first, bitmap);
    ASSERT_TRUE(DeleteDC(first));
    const HDC second = CreateCompatibleDC(0);
    EXPECT_NE(SelectObject(second, bitmap), 0u);
    EXPECT_TRUE(DeleteDC(second));
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST_F(DeviceContextTest, BitmapSizesOutsideTheLimitsAreRefused)
{
    EXPECT_EQ(CreateBitmap32(0, 5), 0u);
    EXPECT_EQ(CreateBitmap32(5, -1), 0u);
    EXPECT_EQ(CreateBitmap32(INT32_MAX, INT32_MAX), 0u);
}

TEST_F(DeviceContextTest, PixelsFillsAndCopiesStayInsideBitmapAndClip)
{
    const HDC dc = CreateCompatibleDC(0);
    const HBITMAP bitmap = CreateBitmap32(6, 4);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HBRUSH brush = CreateSolidBrush(0x80123456u); // the top byte is dropped
    const RECT all { -100, -100, 100, 100 };
    ASSERT_TRUE(FillRect(dc, &all, brush));
    EXPECT_EQ(GetPixel(dc, 5, 3), 0x00123456u);
    EXPECT_EQ(GetPixel(dc, 6, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID);

    // FillRect copies (no ROP2) and does not normalise a reversed rectangle.
    SetROP2(dc, R2_XORPEN);
    const RECT reversed { 4, 3, 1, 1 };
    ASSERT_TRUE(FillRect(dc, &reversed, GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 2, 2), 0x00123456u);
    const RECT two { 0, 0, 2, 1 };
    ASSERT_TRUE(FillRect(dc, &two, GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 1, 0), 0x00FFFFFFu);
    EXPECT_EQ(GetPixel(dc, 2, 0), 0x00123456u);

    // SetPixel goes through the ROP2 and fails outside the clip.
    EXPECT_EQ(SetPixel(dc, 3, 1, 0x000000FFu), 0x000000FFu);
    EXPECT_EQ(GetPixel(dc, 3, 1), 0x00123456u ^ 0xFFu);
    SetROP2(dc, R2_COPYPEN);
    const RECT clip { 1, 1, 3, 3 };
    SetClipRect(dc, &clip);
    EXPECT_EQ(SetPixel(dc, 3, 1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 3, 1), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, 2, 2, 0x80000005u), 0x00000005u);
    EXPECT_EQ(GetPixel(dc, 2, 2), 5u);
    Surface surface;
    ASSERT_TRUE(GetSurface(dc, &surface));
    EXPECT_EQ(surface.width, 6);
    EXPECT_EQ(surface.height, 4);
    EXPECT_EQ(surface.stride, 6);
    EXPECT_EQ(surface.clip.left, 1);
    EXPECT_EQ(surface.clip.bottom, 3);
    EXPECT_EQ(surface.pixels[2 * 6 + 2], 5u);
    ResetClip(dc);

    // BitBlt into a second bitmap, partly outside the source.
    const HDC copyDc = CreateCompatibleDC(0);
    const HBITMAP copy = CreateBitmap32(4, 4);
    const HGDIOBJ oldCopy = SelectObject(copyDc, copy);
    ASSERT_TRUE(BitBlt(copyDc, 0, 0, 4, 4, dc, 4, 1, SRCCOPY));
    EXPECT_EQ(GetPixel(copyDc, 1, 0), 0x00123456u);
    EXPECT_EQ(GetPixel(copyDc, 2, 0), 0u); // beyond the source's right edge: untouched
    EXPECT_EQ(GetPixel(copyDc, 0, 3), 0u); // beyond the source's bottom edge
    EXPECT_FALSE(BitBlt(copyDc, 0, 0, 4, 4, dc, 0, 0, 0x00660046u));
    // Overlapping copy inside one bitmap moves rows intact.
    ASSERT_TRUE(BitBlt(dc, 0, 1, 6, 3, dc, 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(dc, 1, 1), 0x00FFFFFFu);
    EXPECT_EQ(GetPixel(dc, 1, 2), 0x00123456u);

    SelectObject(copyDc, oldCopy);
    DeleteObject(copy);
    DeleteDC(copyDc);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteObject(brush);
    DeleteDC(dc);
}

TEST_F(DeviceContextTest, SystemColoursTranslateThroughTheClassicScheme)
{
    struct Row {
        const char* label;
        uint32_t ole;
        COLORREF expected;
    };
    const Row rows[] = {
        { "plain red", 0x000000FFu, 0x000000FFu },
        { "window background", 0x80000005u, 0x00FFFFFFu },
        { "window text", 0x80000008u, 0 },
        { "button face", 0x8000000Fu, 0x00C8D0D4u },
        { "button text", 0x80000012u, 0 },
        { "menu bar, last index", 0x8000001Eu, 0x00C8D0D4u },
        { "index beyond the table", 0x8000001Fu, CLR_INVALID },
        { "palette index passes", 0x01000003u, 0x01000003u },
        { "unknown high byte", 0x40000000u, CLR_INVALID },
    };
    for (const Row& row : rows)
        EXPECT_EQ(TranslateColor(row.ole), row.expected) << row.label;
    EXPECT_EQ(GetSysColor(15), 0x00C8D0D4u);
    EXPECT_EQ(GetSysColor(99), 0u);
}

} // namespace
} // namespace gdi
