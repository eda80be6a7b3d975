// The software picture: retained image versus screen, sizes and borders, refused values, input.
#include "HostsTestSupport.h"

#include <array>
#include <functional>
#include <gdi/Gdi.h>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <vantrel/Error.h>
#include <vantrel/hostkit/SoftPicture.h>

namespace {

using vantrel::hostkit::PixelBounds;
using vantrel::hostkit::SoftPicture;

constexpr uint32_t red = 0x0000FF;
constexpr uint32_t blue = 0xFF0000;
constexpr uint32_t grey = 0x808080;
constexpr uint32_t white = 0xFFFFFF;

std::array<int32_t, 5> LiveObjects()
{
    return { gdi::LiveObjectCount(gdi::OBJ_PEN), gdi::LiveObjectCount(gdi::OBJ_BRUSH),
        gdi::LiveObjectCount(gdi::OBJ_FONT), gdi::LiveObjectCount(gdi::OBJ_BITMAP),
        gdi::LiveObjectCount(gdi::OBJ_MEMDC) };
}

class SoftPictureTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(LiveObjects(), before_) << "GDI objects leaked"; }

private:
    std::array<int32_t, 5> before_ = LiveObjects();
};

// A 3-D picture of 10 x 6 inner pixels on white, red at (1, 1) drawn retained and shown, blue at
// (2, 2) drawn on the screen alone.
void Prepare(SoftPicture& p)
{
    p.Move(0, 0, 14 * 15, 10 * 15);
    p.BackColor(white);
    p.AutoRedraw(true);
    gdi::SetPixel(p.hDC(), 1, 1, red);
    p.Refresh();
    p.AutoRedraw(false);
    gdi::SetPixel(p.hDC(), 2, 2, blue);
}

// The retained image and the screen at (1, 1) and (2, 2).
std::array<uint32_t, 4> Seen(const SoftPicture& p)
{
    return { p.ImagePixel(1, 1), p.ScreenPixel(1, 1), p.ImagePixel(2, 2), p.ScreenPixel(2, 2) };
}

TEST_F(SoftPictureTest, RefreshShowsTheImageAndClsAndBackColorErase)
{
    struct Row {
        const char* label;
        bool autoRedraw;
        std::function<void(SoftPicture&)> act;
        std::array<uint32_t, 4> seen;
    };
    const Row rows[] = {
        { "AutoRedraw on: drawing waits for Refresh", true,
            [](SoftPicture& p) { gdi::SetPixel(p.hDC(), 1, 1, grey); },
            { grey, red, white, blue } },
        { "Cls, AutoRedraw off: repaints from the image", false, [](SoftPicture& p) { p.Cls(); },
            { red, red, white, white } },
        { "Cls, AutoRedraw on: erases the image", true, [](SoftPicture& p) { p.Cls(); },
            { white, white, white, white } },
        { "BackColor erases the image too", false, [](SoftPicture& p) { p.BackColor(grey); },
            { grey, grey, grey, grey } },
        { "resize: the image keeps what fits", false,
            [](SoftPicture& p) { p.Move(0, 0, 9 * 15, 9 * 15); }, { red, red, white, white } },
        { "move without resize: nothing repainted", false,
            [](SoftPicture& p) { p.Move(300, 600, 14 * 15, 10 * 15); }, { red, red, white, blue } },
    };
    for (const Row& row : rows) {
        SoftPicture p;
        Prepare(p);
        p.AutoRedraw(row.autoRedraw);
        row.act(p);
        EXPECT_EQ(Seen(p), row.seen) << row.label;
        EXPECT_EQ(gdi::GetBkMode(p.hDC()), gdi::TRANSPARENT) << row.label;
    }
}

TEST_F(SoftPictureTest, ScaleSizeIsTheOuterSizeLessTheBorder)
{
    struct Row {
        const char* label;
        int16_t appearance;
        float widthTwips, heightTwips;
        float scaleWidth, scaleHeight;
        float widthBack; // Width read back: whole pixels times 15
    };
    const Row rows[] = {
        { "3-D", 1, 150, 90, 6, 2, 150 },
        { "flat", 0, 150, 90, 8, 4, 150 },
        { "flat smaller than its border", 0, 15, 0, 0, 0, 15 },
        { "half a pixel goes to even (10.5 -> 10)", 0, 157.5f, 30, 8, 0, 150 },
        { "half a pixel goes to even (11.5 -> 12)", 0, 172.5f, 30, 10, 0, 180 },
    };
    for (const Row& row : rows) {
        SoftPicture p;
        p.Appearance(row.appearance);
        p.Move(30, 45, row.widthTwips, row.heightTwips);
        EXPECT_EQ(std::tuple(p.ScaleWidth(), p.ScaleHeight(), p.Width(), p.Top()),
            std::tuple(row.scaleWidth, row.scaleHeight, row.widthBack, 45.0f))
            << row.label;
        EXPECT_EQ(p.ImageView().width, static_cast<int32_t>(row.scaleWidth)) << row.label;
    }
}

TEST_F(SoftPictureTest, ScreenCopyFramesTheScreenWithTheBorder)
{
    SoftPicture p;
    p.Move(0, 0, 14 * 15, 10 * 15);
    gdi::SetPixel(p.hDC(), 0, 0, blue);
    const auto sunken = p.ScreenCopy();
    ASSERT_EQ(sunken.Width(), 14);
    ASSERT_EQ(sunken.Height(), 10);
    // The sunken rings' colours show in the complete-graph golden image.
    EXPECT_EQ(sunken.At(2, 2), blue) << "drawing origin inside the border";

    p.Appearance(0); // the drawing area grows by the ring it loses
    EXPECT_EQ(p.ScaleWidth(), 12);
    gdi::SetPixel(p.hDC(), 0, 0, blue);
    const auto flat = p.ScreenCopy();
    EXPECT_EQ(flat.At(0, 0), gdi::GetSysColor(6));
    EXPECT_EQ(flat.At(13, 9), gdi::GetSysColor(6));
    EXPECT_EQ(flat.At(1, 1), blue);
}

TEST_F(SoftPictureTest, RefusedValuesRaiseAndChangeNothing)
{
    struct Row {
        const char* label;
        void (*set)(SoftPicture&);
        int32_t number;
    };
    const Row rows[] = {
        { "Appearance 2", [](SoftPicture& p) { p.Appearance(2); }, 380 },
        { "MousePointer 16", [](SoftPicture& p) { p.MousePointer(16); }, 380 },
        { "MousePointer 98", [](SoftPicture& p) { p.MousePointer(98); }, 380 },
        { "negative Width", [](SoftPicture& p) { p.Width(-15); }, 380 },
        { "NaN Height", [](SoftPicture& p) { p.Height(std::numeric_limits<float>::quiet_NaN()); },
            380 },
        { "Left beyond 32 bits of pixels", [](SoftPicture& p) { p.Left(1e30f); }, 6 },
        { "bitmap too large", [](SoftPicture& p) { p.Move(0, 0, 40000 * 15.0f, 150); }, 7 },
        { "invalid system colour", [](SoftPicture& p) { p.BackColor(0x800000FFu); }, 380 },
    };
    for (const Row& row : rows) {
        SoftPicture p;
        Prepare(p);
        p.MousePointer(99);
        std::string message;
        EXPECT_EQ(hoststest::ErrorOf([&p, &row] { row.set(p); }, message), row.number) << row.label;
        EXPECT_EQ(std::tuple(p.Appearance(), p.MousePointer(), p.OuterPixels(), p.BackColor()),
            std::tuple(int16_t { 1 }, int16_t { 99 }, PixelBounds { 0, 0, 14, 10 }, white))
            << row.label;
        EXPECT_EQ(p.ImagePixel(1, 1), red) << row.label;
    }
}

class Recorder : public vantrel::platform::PictureListener {
public:
    std::ostringstream calls;

    void Click() override { calls << "Click\n"; }
    void MouseDown(int16_t b, int16_t s, float x, float y) override { Add("Down", b, s, x, y); }
    void MouseMove(int16_t b, int16_t s, float x, float y) override { Add("Move", b, s, x, y); }
    void MouseUp(int16_t b, int16_t s, float x, float y) override { Add("Up", b, s, x, y); }

private:
    void Add(const char* name, int16_t b, int16_t s, float x, float y)
    {
        calls << name << ' ' << b << ' ' << s << ' ' << x << ' ' << y << '\n';
    }
};

TEST_F(SoftPictureTest, ADisabledPictureDeliversNoMouseNotifications)
{
    SoftPicture p;
    Recorder recorder;
    p.SetListener(&recorder);
    for (const bool enabled : { false, true }) {
        p.Enabled(enabled);
        p.InjectMouseDown(1, 2, 3.5f, 4);
        p.InjectMouseMove(1, 0, 5, 6);
        p.InjectMouseUp(1, 0, 5, 6);
        p.InjectClick();
        EXPECT_EQ(recorder.calls.str(),
            enabled ? "Down 1 2 3.5 4\nMove 1 0 5 6\nUp 1 0 5 6\nClick\n" : "");
    }
}

// A line of the default font is 13 pixels high; empty lines count, the widest line is the width.
TEST_F(SoftPictureTest, TextExtentsMeasureEveryLine)
{
    SoftPicture p;
    EXPECT_EQ(p.TextHeight("ab\r\n\r\ncd"), 3 * 13);
    EXPECT_EQ(p.TextWidth("00\r\n0000\n0"), p.TextWidth("0000"));
    EXPECT_GT(p.TextWidth("0000"), p.TextWidth("0"));
}

} // namespace
