// Composing a control's pictures into a window and finding the picture under a point: what a
// toolkit adapter relies on to present the control and to route its input.
#include <gdi/Pixmap.h>
#include <gtest/gtest.h>
#include <vantrel/hostkit/Compose.h>

namespace {

using vantrel::hostkit::Compose;
using vantrel::hostkit::PictureAt;
using vantrel::hostkit::SoftPicture;

constexpr uint32_t grey = 0x808080;
constexpr uint32_t white = 0xFFFFFF;
constexpr uint32_t red = 0x0000FF;

// A back picture over all of a 40 x 30 window (flat border) and a front one at (10, 8),
// 14 x 10 pixels (3-D border), both white, with red at the front's drawing origin.
struct Window {
    Window()
    {
        back.Appearance(0);
        back.Move(0, 0, 40 * 15, 30 * 15);
        front.Move(10 * 15, 8 * 15, 14 * 15, 10 * 15);
        for (SoftPicture* picture : { &back, &front })
            picture->BackColor(white);
        gdi::SetPixel(front.hDC(), 0, 0, red);
    }
    SoftPicture back;
    SoftPicture front;
};

// Each picture as its screen copy, back to front; an area repaints only its pixels.
TEST(Compose, PaintsEachPictureAsItsScreenCopyBackToFront)
{
    Window w;
    const gdi::Pixmap back = w.back.ScreenCopy();
    const gdi::Pixmap front = w.front.ScreenCopy();
    const gdi::Pixmap whole = Compose(40, 30, { &w.back, &w.front }, grey);
    EXPECT_EQ(whole.At(12, 10), red);
    const uint32_t untouched = 0x123456;
    const struct {
        const char* label;
        gdi::RECT area;
    } rows[] = {
        { "the whole window", { 0, 0, 40, 30 } },
        { "across the front's border", { 8, 6, 13, 11 } },
        { "beyond the window", { 35, 25, 60, 60 } },
        { "empty", { 20, 20, 20, 25 } },
    };
    for (const auto& row : rows) {
        const gdi::Pixmap window(40, 30, untouched);
        Compose(window.View(), { &w.back, &w.front }, grey, row.area);
        for (int32_t y = 0; y < 30; ++y)
            for (int32_t x = 0; x < 40; ++x) {
                const bool inFront = x >= 10 && x < 24 && y >= 8 && y < 18;
                const uint32_t composed = inFront ? front.At(x - 10, y - 8) : back.At(x, y);
                const bool inside = x >= row.area.left && x < row.area.right && y >= row.area.top
                    && y < row.area.bottom;
                ASSERT_EQ(whole.At(x, y), composed) << x << "," << y;
                ASSERT_EQ(window.At(x, y), inside ? composed : untouched)
                    << row.label << " at " << x << "," << y;
            }
    }
}

TEST(Compose, PictureAtFindsTheFrontmostPictureInItsDrawingCoordinates)
{
    Window w;
    const struct {
        const char* label;
        int32_t x, y;
        const SoftPicture* picture;
        float pictureX, pictureY;
    } rows[] = {
        { "front's drawing origin", 12, 10, &w.front, 0, 0 },
        { "front's outer corner, on its border", 10, 8, &w.front, -2, -2 },
        { "back beside the front", 24, 8, &w.back, 23, 7 },
        { "outside both", 40, 0, nullptr, 0, 0 },
    };
    for (const auto& row : rows) {
        const auto at = PictureAt({ &w.front, &w.back }, row.x, row.y);
        EXPECT_EQ(at.picture, row.picture) << row.label;
        if (row.picture != nullptr) {
            EXPECT_TRUE(at.x == row.pictureX && at.y == row.pictureY)
                << row.label << ": " << at.x << "," << at.y;
        }
    }
}

} // namespace
