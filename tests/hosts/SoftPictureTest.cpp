// The software picture: retained image versus screen, sizes and borders, refused values, input.
#include "LiveObjects.h"

#include <gtest/gtest.h>
#include <hosts/common/SoftPicture.h>
#include <string>
#include <vantrel/Error.h>
#include <vector>

namespace {

using vantrel::hostkit::PixelBounds;
using vantrel::hostkit::SoftPicture;

constexpr uint32_t red = 0x0000FF;
constexpr uint32_t blue = 0xFF0000;
constexpr uint32_t grey = 0x808080;
constexpr uint32_t white = 0xFFFFFF;

class SoftPictureTest : public ::testing::Test {
protected:
    void SetUp() override { before_ = hoststest::LiveObjects(); }
    void TearDown() override
    {
        EXPECT_EQ(hoststest::LiveObjects(), before_) << "GDI objects leaked";
    }

    // A 3-D picture of 10 x 6 inner pixels on a white background.
    static void Prepare(SoftPicture& picture)
    {
        picture.Move(0, 0, 14 * 15, 10 * 15);
        picture.BackColor(white);
    }

private:
    std::array<int32_t, 6> before_ {};
};

struct Seen {
    uint32_t image;
    uint32_t screen;
};

Seen At(const SoftPicture& p, int32_t x, int32_t y)
{
    return { p.ImagePixel(x, y), p.ScreenPixel(x, y) };
}

void ExpectSeen(const SoftPicture& p, int32_t x, int32_t y, uint32_t image, uint32_t screen,
    const std::string& label)
{
    const Seen seen = At(p, x, y);
    EXPECT_EQ(seen.image, image) << label << ": retained image at " << x << "," << y;
    EXPECT_EQ(seen.screen, screen) << label << ": screen at " << x << "," << y;
}

TEST_F(SoftPictureTest, RetainedDrawingReachesTheScreenAtRefresh)
{
    SoftPicture p;
    Prepare(p);
    p.AutoRedraw(true);
    gdi::SetPixel(p.hDC(), 1, 1, red);
    ExpectSeen(p, 1, 1, red, white, "retained, before Refresh");
    p.Refresh();
    ExpectSeen(p, 1, 1, red, red, "retained, after Refresh");

    // Retained output stays as background once AutoRedraw is off; direct drawing is screen-only.
    p.AutoRedraw(false);
    gdi::SetPixel(p.hDC(), 2, 2, blue);
    ExpectSeen(p, 2, 2, white, blue, "direct");
    p.Refresh();
    ExpectSeen(p, 2, 2, white, white, "direct, lost at repaint");
    ExpectSeen(p, 1, 1, red, red, "retained, survives repaint");
}

TEST_F(SoftPictureTest, ClsErasesTheImageOnlyWithAutoRedrawOn)
{
    struct Row {
        const char* label;
        bool autoRedrawAtCls;
        uint32_t retainedAfter; // pixel drawn into the image
        uint32_t directAfter; // pixel drawn onto the screen alone
    };
    const Row rows[] = {
        { "Cls with AutoRedraw off repaints from the image", false, red, white },
        { "Cls with AutoRedraw on erases the image", true, white, white },
    };
    for (const Row& row : rows) {
        SoftPicture p;
        Prepare(p);
        p.AutoRedraw(true);
        gdi::SetPixel(p.hDC(), 1, 1, red);
        p.Refresh();
        p.AutoRedraw(false);
        gdi::SetPixel(p.hDC(), 2, 2, blue);

        p.AutoRedraw(row.autoRedrawAtCls);
        p.Cls();
        ExpectSeen(p, 1, 1, row.retainedAfter, row.retainedAfter, row.label);
        ExpectSeen(p, 2, 2, white, row.directAfter, row.label);
    }
}

TEST_F(SoftPictureTest, BackColorErasesImageAndScreenInEitherMode)
{
    for (const bool autoRedraw : { false, true }) {
        SoftPicture p;
        Prepare(p);
        p.AutoRedraw(true);
        gdi::SetPixel(p.hDC(), 1, 1, red);
        p.Refresh();
        p.AutoRedraw(false);
        gdi::SetPixel(p.hDC(), 2, 2, blue);

        p.AutoRedraw(autoRedraw);
        p.BackColor(grey);
        const std::string label = autoRedraw ? "AutoRedraw on" : "AutoRedraw off";
        ExpectSeen(p, 1, 1, grey, grey, label);
        ExpectSeen(p, 2, 2, grey, grey, label);
        EXPECT_EQ(p.BackColor(), grey);
    }
}

TEST_F(SoftPictureTest, SystemBackColorIsTranslatedAndKeptAsGiven)
{
    SoftPicture p;
    Prepare(p);
    p.BackColor(0x80000005u);
    EXPECT_EQ(p.BackColor(), 0x80000005u);
    EXPECT_EQ(p.ImagePixel(0, 0), gdi::GetSysColor(5));
}

TEST_F(SoftPictureTest, DashGapsAreTransparent)
{
    SoftPicture p;
    Prepare(p);
    p.AutoRedraw(true);
    EXPECT_EQ(gdi::GetBkMode(p.hDC()), gdi::TRANSPARENT);
    p.AutoRedraw(false);
    EXPECT_EQ(gdi::GetBkMode(p.hDC()), gdi::TRANSPARENT);
}

TEST_F(SoftPictureTest, ScaleSizeIsTheOuterSizeLessTheBorder)
{
    struct Row {
        const char* label;
        int16_t appearance;
        float widthTwips;
        float heightTwips;
        float scaleWidth;
        float scaleHeight;
        float widthBack; // Width read back: whole pixels times 15
    };
    const Row rows[] = {
        { "3-D", 1, 150, 90, 6, 2, 150 },
        { "flat", 0, 150, 90, 8, 4, 150 },
        { "3-D smaller than its border", 1, 45, 45, 0, 0, 45 },
        { "flat smaller than its border", 0, 15, 0, 0, 0, 15 },
        { "twips round to the nearest pixel", 0, 157, 172, 8, 9, 150 },
        { "half a pixel goes to even (10.5 -> 10)", 0, 157.5f, 30, 8, 0, 150 },
        { "half a pixel goes to even (11.5 -> 12)", 0, 172.5f, 30, 10, 0, 180 },
        { "empty", 1, 0, 0, 0, 0, 0 },
    };
    for (const Row& row : rows) {
        SoftPicture p;
        p.Appearance(row.appearance);
        p.Move(30, 45, row.widthTwips, row.heightTwips);
        EXPECT_EQ(p.ScaleWidth(), row.scaleWidth) << row.label;
        EXPECT_EQ(p.ScaleHeight(), row.scaleHeight) << row.label;
        EXPECT_EQ(p.Width(), row.widthBack) << row.label;
        EXPECT_EQ(p.Left(), 30) << row.label;
        EXPECT_EQ(p.Top(), 45) << row.label;
        EXPECT_EQ(p.ImageCopy().width, static_cast<int32_t>(row.scaleWidth)) << row.label;
    }
}

TEST_F(SoftPictureTest, ChangingTheAppearanceResizesTheDrawingArea)
{
    SoftPicture p;
    Prepare(p);
    p.Appearance(0);
    EXPECT_EQ(p.ScaleWidth(), 12);
    EXPECT_EQ(p.ScaleHeight(), 8);
    EXPECT_EQ(p.ImagePixel(11, 7), white) << "new area takes the back colour";
    p.Appearance(1);
    EXPECT_EQ(p.ScaleWidth(), 10);
}

TEST_F(SoftPictureTest, ResizeKeepsWhatFitsOfTheImageAndRepaintsTheScreen)
{
    SoftPicture p;
    Prepare(p);
    p.AutoRedraw(true);
    gdi::SetPixel(p.hDC(), 1, 1, red);
    gdi::SetPixel(p.hDC(), 8, 4, red);
    p.AutoRedraw(false);
    gdi::SetPixel(p.hDC(), 2, 2, blue);
    const gdi::HDC screenDc = p.hDC();

    p.Move(0, 0, 9 * 15, 9 * 15); // inner 5 x 5
    ExpectSeen(p, 1, 1, red, red, "kept and shown");
    ExpectSeen(p, 2, 2, white, white, "screen-only drawing lost");
    EXPECT_EQ(p.ImagePixel(8, 4), gdi::CLR_INVALID);
    EXPECT_EQ(p.hDC(), screenDc) << "the DC survives a resize";

    p.Move(0, 0, 14 * 15, 10 * 15);
    ExpectSeen(p, 8, 4, white, white, "cut off by the smaller size");
    ExpectSeen(p, 1, 1, red, red, "still kept");
}

TEST_F(SoftPictureTest, MovingWithoutResizingChangesNoPixel)
{
    SoftPicture p;
    Prepare(p);
    gdi::SetPixel(p.hDC(), 2, 2, blue); // screen only
    p.Move(300, 600, 14 * 15, 10 * 15);
    EXPECT_EQ(p.ScreenPixel(2, 2), blue);
    EXPECT_EQ(p.OuterPixels(), (PixelBounds { 20, 40, 14, 10 }));
}

TEST_F(SoftPictureTest, RefusedValuesRaise380AndChangeNothing)
{
    struct Row {
        const char* label;
        void (*set)(SoftPicture&);
        int32_t number;
    };
    const Row rows[] = {
        { "Appearance 2", [](SoftPicture& p) { p.Appearance(2); }, 380 },
        { "Appearance -1", [](SoftPicture& p) { p.Appearance(-1); }, 380 },
        { "MousePointer 16", [](SoftPicture& p) { p.MousePointer(16); }, 380 },
        { "MousePointer 98", [](SoftPicture& p) { p.MousePointer(98); }, 380 },
        { "MousePointer 100", [](SoftPicture& p) { p.MousePointer(100); }, 380 },
        { "MousePointer -1", [](SoftPicture& p) { p.MousePointer(-1); }, 380 },
        { "negative Width", [](SoftPicture& p) { p.Width(-15); }, 380 },
        { "NaN Height", [](SoftPicture& p) { p.Height(std::numeric_limits<float>::quiet_NaN()); },
            380 },
        { "Move to a negative height", [](SoftPicture& p) { p.Move(0, 0, 15, -1); }, 380 },
        { "Left beyond 32 bits of pixels", [](SoftPicture& p) { p.Left(1e30f); }, 6 },
        { "bitmap too large", [](SoftPicture& p) { p.Move(0, 0, 40000 * 15.0f, 150); }, 7 },
        { "invalid system colour", [](SoftPicture& p) { p.BackColor(0x800000FFu); }, 380 },
    };
    for (const Row& row : rows) {
        SoftPicture p;
        Prepare(p);
        p.MousePointer(2);
        p.AutoRedraw(true);
        gdi::SetPixel(p.hDC(), 1, 1, red);
        try {
            row.set(p);
            ADD_FAILURE() << row.label << ": no error";
        } catch (const vantrel::Error& e) {
            EXPECT_EQ(e.Number(), row.number) << row.label;
        }
        EXPECT_EQ(p.Appearance(), 1) << row.label;
        EXPECT_EQ(p.MousePointer(), 2) << row.label;
        EXPECT_EQ(p.OuterPixels(), (PixelBounds { 0, 0, 14, 10 })) << row.label;
        EXPECT_EQ(p.BackColor(), white) << row.label;
        EXPECT_EQ(p.ImagePixel(1, 1), red) << row.label;
    }
}

TEST_F(SoftPictureTest, AcceptedPointerShapes)
{
    SoftPicture p;
    for (const int16_t shape : { 0, 2, 15, 99 }) {
        p.MousePointer(shape);
        EXPECT_EQ(p.MousePointer(), shape);
    }
}

class Recorder : public vantrel::platform::PictureListener {
public:
    std::vector<std::string> calls;

    void Click() override { calls.push_back("Click"); }
    void MouseDown(int16_t b, int16_t s, float x, float y) override { Add("Down", b, s, x, y); }
    void MouseMove(int16_t b, int16_t s, float x, float y) override { Add("Move", b, s, x, y); }
    void MouseUp(int16_t b, int16_t s, float x, float y) override { Add("Up", b, s, x, y); }

private:
    void Add(const char* name, int16_t b, int16_t s, float x, float y)
    {
        calls.push_back(std::string(name) + " " + std::to_string(b) + " " + std::to_string(s) + " "
            + std::to_string(x) + " " + std::to_string(y));
    }
};

void InjectAll(SoftPicture& p)
{
    p.InjectMouseDown(1, 2, 3.5f, 4);
    p.InjectMouseMove(1, 0, 5, 6);
    p.InjectMouseUp(1, 0, 5, 6);
    p.InjectClick();
}

TEST_F(SoftPictureTest, DisabledPictureDeliversNothing)
{
    SoftPicture p;
    Recorder recorder;
    p.SetListener(&recorder);
    p.Enabled(false);
    InjectAll(p);
    EXPECT_TRUE(recorder.calls.empty());

    p.Enabled(true);
    InjectAll(p);
    const std::vector<std::string> expected { "Down 1 2 3.500000 4.000000",
        "Move 1 0 5.000000 6.000000", "Up 1 0 5.000000 6.000000", "Click" };
    EXPECT_EQ(recorder.calls, expected);

    p.SetListener(nullptr);
    InjectAll(p); // nobody listening: nothing happens
    EXPECT_EQ(recorder.calls.size(), 4u);
}

TEST_F(SoftPictureTest, ScreenCopyFramesTheScreenWithTheBorder)
{
    SoftPicture p;
    Prepare(p);
    gdi::SetPixel(p.hDC(), 0, 0, blue);
    const auto sunken = p.ScreenCopy();
    ASSERT_EQ(sunken.width, 14);
    ASSERT_EQ(sunken.height, 10);
    EXPECT_EQ(sunken.At(0, 0), gdi::GetSysColor(16)) << "outer ring, top-left: shadow";
    EXPECT_EQ(sunken.At(13, 0), gdi::GetSysColor(20)) << "outer ring, top-right: highlight";
    EXPECT_EQ(sunken.At(1, 1), gdi::GetSysColor(21)) << "inner ring, top-left: dark shadow";
    EXPECT_EQ(sunken.At(12, 8), gdi::GetSysColor(22)) << "inner ring, bottom-right: light";
    EXPECT_EQ(sunken.At(2, 2), blue) << "drawing origin inside the border";

    p.Appearance(0);
    gdi::SetPixel(p.hDC(), 0, 0, blue);
    const auto flat = p.ScreenCopy();
    EXPECT_EQ(flat.At(0, 0), gdi::GetSysColor(6));
    EXPECT_EQ(flat.At(13, 9), gdi::GetSysColor(6));
    EXPECT_EQ(flat.At(1, 1), blue);
}

TEST_F(SoftPictureTest, TextExtentsInPixels)
{
    SoftPicture p;
    Prepare(p);
    const float line = p.TextHeight("0");
    EXPECT_GT(line, 0);
    EXPECT_EQ(p.TextHeight("ab\ncd"), 2 * line) << "lines add up";
    EXPECT_EQ(p.TextHeight("ab\r\n\r\ncd"), 3 * line) << "an empty line counts";
    EXPECT_GT(p.TextWidth("0000"), p.TextWidth("0"));
    EXPECT_EQ(p.TextWidth("00\r\n0000\n0"), p.TextWidth("0000")) << "the widest line";
    EXPECT_EQ(p.TextWidth(""), 0);
}

TEST_F(SoftPictureTest, APictureOwnsTwoBitmapsAndTwoDcs)
{
    const int32_t bitmaps = gdi::LiveObjectCount(gdi::OBJ_BITMAP);
    const int32_t dcs = hoststest::LiveDcs();
    {
        SoftPicture p;
        Prepare(p);
        p.Move(0, 0, 300, 300);
        p.Appearance(0);
        EXPECT_EQ(gdi::LiveObjectCount(gdi::OBJ_BITMAP), bitmaps + 2);
        EXPECT_EQ(hoststest::LiveDcs(), dcs + 2);
    }
    EXPECT_EQ(gdi::LiveObjectCount(gdi::OBJ_BITMAP), bitmaps);
    EXPECT_EQ(hoststest::LiveDcs(), dcs);
}

} // namespace
