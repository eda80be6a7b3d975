// The pixel vocabulary: the owning pixmap (its DC, its bitmap, both released) and borrowed
// views (crops, copies, fills, comparisons).
#include "GdiTestSupport.h"

namespace gdi::test {
namespace {

using PixmapTest = GdiTest;

TEST_F(PixmapTest, SwapKeepsEachDcAndItsStateAndClipsToTheNewBitmap)
{
    Pixmap small(4, 3, 0x000011);
    Pixmap large(9, 7, 0x000022);
    const HDC smallDc = small.Dc();
    SetROP2(smallDc, R2_XORPEN);
    SetTextColor(smallDc, 0x123456);
    small.SwapBitmaps(large);
    EXPECT_EQ(small.Dc(), smallDc);
    EXPECT_EQ(GetROP2(smallDc), R2_XORPEN);
    EXPECT_EQ(GetTextColor(smallDc), 0x123456u);
    EXPECT_TRUE(small.Width() == 9 && small.Height() == 7 && small.At(8, 6) == 0x000022u);
    EXPECT_TRUE(large.Width() == 4 && large.Height() == 3 && large.At(3, 2) == 0x000011u);
    // The DC draws on its new bitmap, all of it, and nowhere else.
    EXPECT_EQ(SetPixel(smallDc, 8, 6, 0x000001), 0x000001u);
    EXPECT_EQ(small.At(8, 6), 0x000023u);
    EXPECT_EQ(large.At(3, 2), 0x000011u);
}

TEST_F(PixmapTest, ZeroSidesClipEverythingAndRefusedSizesAreInvalid)
{
    const Pixmap empty(0, 5);
    ASSERT_TRUE(empty.Valid());
    EXPECT_EQ(SetPixel(empty.Dc(), 0, 0, 0x00FFFFFF), CLR_INVALID);
    EXPECT_TRUE(empty.View().Empty());
    for (const auto& [label, width, height] : { std::tuple { "negative", -1, 4 },
             std::tuple { "above 2^28 pixels", 1 << 15, 1 << 14 } }) {
        const Pixmap refused(width, height);
        EXPECT_FALSE(refused.Valid()) << label;
        EXPECT_EQ(refused.At(0, 0), CLR_INVALID) << label;
    }
}

TEST_F(PixmapTest, CropsAreClippedToTheView)
{
    const Pixmap box(10, 8);
    Paint(box, [](int32_t x, int32_t y) { return static_cast<uint32_t>(100 * y + x); });
    const struct {
        const char* label;
        RECT area;
        int32_t width, height;
        uint32_t origin; // the crop's pixel (0, 0)
    } rows[] = {
        { "inside", { 2, 3, 6, 5 }, 4, 2, 302 },
        { "over the bottom right", { 7, 6, 40, 40 }, 3, 2, 607 },
        { "over the top left", { -5, -5, 2, 1 }, 2, 1, 0 },
        { "outside", { 10, 0, 12, 8 }, 0, 0, 0 },
        { "reversed", { 6, 5, 2, 3 }, 0, 0, 0 },
    };
    for (const auto& row : rows) {
        const PixelView crop
            = box.View().Crop(row.area.left, row.area.top, row.area.right, row.area.bottom);
        EXPECT_TRUE(crop.width == row.width && crop.height == row.height) << row.label;
        if (!crop.Empty()) {
            EXPECT_EQ(crop.At(0, 0), row.origin) << row.label;
        }
    }
    // Writing through a crop fills exactly its part of the owner.
    FillPixels(box.View().Crop(2, 3, 6, 5), 0x00ABCDEF);
    int32_t filled = 0;
    for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 10; ++x)
            filled += box.At(x, y) == 0x00ABCDEFu;
    EXPECT_EQ(filled, 8);
}

} // namespace
} // namespace gdi::test
