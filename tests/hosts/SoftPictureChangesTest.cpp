// Incremental refresh: the screen a Refresh leaves behind equals a full copy of the image, and
// the changes a presenting host takes cover every pixel that changed on the screen.
#include <cstdio>
#include <gdi/Gdi.h>
#include <gdi/Pixmap.h>
#include <gtest/gtest.h>
#include <random>
#include <vantrel/hostkit/SoftPicture.h>
#include <vector>

namespace {

using vantrel::hostkit::PixelRect;
using vantrel::hostkit::SoftPicture;

constexpr int32_t side = 64;

// One random GDI call on the DC, with coordinates that often leave the picture.
void DrawSomething(gdi::HDC dc, std::mt19937& random)
{
    std::uniform_int_distribution<int32_t> coordinate(-20, side + 20);
    std::uniform_int_distribution<int32_t> small(0, 9);
    std::uniform_int_distribution<uint32_t> colour(0, 0xFFFFFF);
    const gdi::HPEN pen = gdi::CreatePen(small(random) % 7, small(random), colour(random));
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(colour(random));
    const gdi::HGDIOBJ oldPen = gdi::SelectObject(dc, pen);
    const gdi::HGDIOBJ oldBrush = gdi::SelectObject(dc, brush);
    gdi::SetROP2(dc, 1 + small(random) % 16);
    const int32_t x1 = coordinate(random);
    const int32_t y1 = coordinate(random);
    const int32_t x2 = coordinate(random);
    const int32_t y2 = coordinate(random);
    switch (small(random) % 7) {
    case 0:
        gdi::MoveToEx(dc, x1, y1, nullptr);
        gdi::LineTo(dc, x2, y2);
        break;
    case 1:
        gdi::Rectangle(dc, x1, y1, x2, y2);
        break;
    case 2:
        gdi::Ellipse(dc, x1, y1, x2, y2);
        break;
    case 3: {
        const gdi::RECT rect { x1, y1, x2, y2 };
        gdi::FillRect(dc, &rect, brush);
        break;
    }
    case 4:
        gdi::SetPixel(dc, x1, y1, colour(random));
        break;
    case 5:
        gdi::TextOutA(dc, x1, y1, "Wg|", 3);
        break;
    default:
        gdi::BitBlt(dc, x1, y1, x2 - x1, y2 - y1, dc, y1, x1, gdi::SRCCOPY);
        break;
    }
    gdi::SelectObject(dc, oldPen);
    gdi::SelectObject(dc, oldBrush);
    gdi::DeleteObject(pen);
    gdi::DeleteObject(brush);
}

bool Covered(const std::vector<PixelRect>& rects, int32_t x, int32_t y)
{
    for (const PixelRect& r : rects)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return true;
    return false;
}

// What a host shows: the screen, or for a picture shown directly its image, except where
// something drew on the screen alone.
gdi::Pixmap Shown(SoftPicture& picture)
{
    if (!picture.ShowImageDirectly())
        return gdi::Pixmap(picture.ScreenView());
    gdi::Pixmap shown(picture.ImageView());
    const std::vector<PixelRect> screenOnly = picture.ScreenOnlyAreas();
    const gdi::PixelView screen = picture.ScreenView();
    for (int32_t y = 0; y < side; ++y)
        for (int32_t x = 0; x < side; ++x)
            if (Covered(screenOnly, x, y))
                shown.View().Row(y)[x] = screen.Row(y)[x];
    return shown;
}

// Two pictures take the same calls, one shown from its screen and one shown directly. Each
// must report every change of what it shows, and they must show the same whenever nothing was
// drawn on the image since the last Refresh (after that the direct one shows the new drawing,
// as a window repainted from its image does).
TEST(SoftPictureChangesTest, RefreshOfRecordedChangesEqualsFullCopy)
{
    const auto seed = std::random_device {}();
    std::printf("seed %u\n", seed);
    std::mt19937 choices(seed);
    SoftPicture pictures[2];
    std::mt19937 drawing[2] = { std::mt19937(seed + 1), std::mt19937(seed + 1) };
    gdi::Pixmap presented[2];
    int notifications[2] = {};
    for (int which = 0; which < 2; ++which) {
        SoftPicture& picture = pictures[which];
        picture.ShowImageDirectly(which == 1);
        picture.Move(0, 0, (side + 4) * 15.0f, (side + 4) * 15.0f);
        picture.SetScreenChanged([&notifications, which] { ++notifications[which]; });
        presented[which] = Shown(picture);
        picture.TakeScreenChanges();
    }
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", round " << round);
        // Draw on the image and on the screen alone, in random order, then maybe refresh.
        bool imageDrawn = false;
        for (int call = 0; call < 1 + round % 5; ++call) {
            const bool autoRedraw = choices() % 3 != 0;
            imageDrawn = imageDrawn || autoRedraw;
            for (int which = 0; which < 2; ++which) {
                pictures[which].AutoRedraw(autoRedraw);
                DrawSomething(pictures[which].hDC(), drawing[which]);
            }
        }
        const bool refresh = round % 3 != 0;
        for (int which = 0; which < 2; ++which) {
            SoftPicture& picture = pictures[which];
            if (!refresh) {
                // The host presents screen drawing made without a refresh too.
                picture.AutoRedraw(false);
                DrawSomething(picture.hDC(), drawing[which]);
                continue;
            }
            const int before = notifications[which];
            picture.Refresh();
            ASSERT_EQ(notifications[which], before + 1);
            for (int32_t y = 0; y < side; ++y)
                for (int32_t x = 0; x < side; ++x) {
                    ASSERT_EQ(picture.ScreenPixel(x, y), picture.ImagePixel(x, y))
                        << "at " << x << ", " << y << " of picture " << which;
                }
        }
        const gdi::Pixmap shown[2] = { Shown(pictures[0]), Shown(pictures[1]) };
        if (refresh || !imageDrawn) {
            ASSERT_TRUE(shown[0] == shown[1]);
        }
        for (int which = 0; which < 2; ++which) {
            const std::vector<PixelRect> changes = pictures[which].TakeScreenChanges();
            // Image drawing shown directly before its Refresh is reported by that Refresh.
            const bool reported = which == 0 || refresh || !imageDrawn;
            for (int32_t y = 0; y < side && reported; ++y)
                for (int32_t x = 0; x < side; ++x)
                    if (shown[which].At(x, y) != presented[which].At(x, y)) {
                        ASSERT_TRUE(Covered(changes, x, y))
                            << "missed " << x << ", " << y << " of picture " << which;
                    }
            presented[which] = shown[which];
        }
    }
}

TEST(SoftPictureChangesTest, ThinLinesStayThinRectangles)
{
    // The zoom selection's four lines across a large picture: presenting them must not mean
    // presenting the picture.
    SoftPicture picture;
    picture.Move(0, 0, 1924 * 15.0f, 1084 * 15.0f);
    picture.TakeScreenChanges();
    picture.AutoRedraw(true);
    gdi::SetROP2(picture.hDC(), gdi::R2_NOT);
    const int32_t lines[4][4] = { { 100, 0, 100, 1080 }, { 700, 0, 700, 1080 }, { 0, 50, 1920, 50 },
        { 0, 900, 1920, 900 } };
    for (const auto& line : lines) {
        gdi::MoveToEx(picture.hDC(), line[0], line[1], nullptr);
        gdi::LineTo(picture.hDC(), line[2], line[3]);
    }
    picture.Refresh();
    int64_t area = 0;
    for (const PixelRect& rect : picture.TakeScreenChanges())
        area += int64_t { rect.right - rect.left } * (rect.bottom - rect.top);
    EXPECT_LE(area, 4 * 3 * 1920);
    EXPECT_TRUE(picture.TakeScreenChanges().empty());
}

TEST(SoftPictureChangesTest, NewSizeAndBackColourAreWholeChanges)
{
    SoftPicture picture;
    picture.Move(0, 0, 24 * 15.0f, 14 * 15.0f);
    EXPECT_EQ(picture.TakeScreenChanges(), (std::vector<PixelRect> { { 0, 0, 20, 10 } }));
    picture.BackColor(0x00FF00);
    EXPECT_EQ(picture.TakeScreenChanges(), (std::vector<PixelRect> { { 0, 0, 20, 10 } }));
    picture.Refresh();
    EXPECT_TRUE(picture.TakeScreenChanges().empty());
}

} // namespace
