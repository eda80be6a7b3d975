// The drawing methods in axis units: the graphics calls they reach, the drawable range, the
// retained items, the refresh and the refusals.
#include "RenderFixture.h"
#include "vantrel/ErrorOf.h"
#include "vantrel/render/GdiScope.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace vantrel::rendertest {
namespace {

using test::ErrorOf;

constexpr uint32_t background = 0x403020;

// A 500 x 300 plot with both axes 0 .. 10 (50 pixels per X unit, 30 per Y unit) on a dark back
// colour, so that a brush that paints an unfilled interior would show.
struct TenByTen : BarePlot {
    TenByTen()
        : BarePlot(500, 300)
    {
        graph.InsideBackColor(background);
        Scale(0, 0, 10, 10);
    }
};

// Each method's figure equals the graphics call named in the label, made directly on the
// retained image of a second plot with the same pen and text colour. Every figure is seen whole
// in the complete graph's golden image; these rows hold what it does not show (a label at pixel
// (100, 150) is written at (102, 137)).
TEST(DrawingMethods, ReachTheGraphicsCallsOfTheirPixelPoints)
{
    using gdi::HDC;
    struct Case {
        const char* label;
        int16_t drawWidth;
        int32_t drawStyle;
        gdi::COLORREF color;
        std::function<void(OrvGraph&)> draw;
        std::function<void(HDC)> reference;
    };
    const Case cases[] = {
        { "DrawPoint (2, 3) is SetPixel (100, 210); pen settings do not apply", 5, gdi::PS_NULL,
            0x00FF00, [](OrvGraph& g) { g.DrawPoint(2, 3, 0x00FF00); },
            [](HDC dc) { gdi::SetPixel(dc, 100, 210, 0x00FF00); } },
        { "UTF-8 label text goes out as its bytes", 0, 0, 0xFFFFFF,
            [](OrvGraph& g) { g.DrawLabel(2, 5, "caf\xC3\xA9", 0xFFFFFF); },
            [](HDC dc) { gdi::TextOutA(dc, 102, 137, "caf\xC3\xA9", 5); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TenByTen p;
        p.graph.DrawWidth(c.drawWidth);
        p.graph.DrawStyle(c.drawStyle);
        c.draw(p.graph);
        TenByTen expected;
        expected.inside.AutoRedraw(true);
        const HDC dc = expected.inside.hDC();
        {
            render::PenScope pen(dc, c.drawStyle, c.drawWidth, c.color);
            gdi::SetTextColor(dc, c.color);
            c.reference(dc);
        }
        EXPECT_TRUE(p.Plot() == expected.Plot());
        EXPECT_TRUE(p.graph.DataLoaded());
        EXPECT_EQ(LiveDrawingObjects(), 0);
    }
}

// 20000 pixels is the last drawable position: X value 400 on this plot.
TEST(DrawingMethods, FiguresBeyondTheDrawableRangeAreRetainedButNotPainted)
{
    struct Case {
        const char* label;
        std::function<void(OrvGraph&)> draw;
        bool painted;
    };
    const Case cases[] = {
        { "line ending at pixel 20000", [](OrvGraph& g) { g.DrawLine(5, 5, 400, 5); }, true },
        { "line ending at pixel 20001", [](OrvGraph& g) { g.DrawLine(5, 5, 400.02, 5); }, false },
        { "line from pixel -20001", [](OrvGraph& g) { g.DrawLine(-400.02, 5, 5, 5); }, false },
        { "point far above", [](OrvGraph& g) { g.DrawPoint(5, 1e6); }, false },
        { "label far right", [](OrvGraph& g) { g.DrawLabel(1e6, 5, "x"); }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TenByTen p;
        const gdi::Pixmap before = p.Plot();
        c.draw(p.graph);
        EXPECT_EQ(p.Plot() != before, c.painted);
        EXPECT_EQ(p.graph.DataLoaded(), c.painted);
        const Ref<PanelManager> panels = p.graph.CurrentData()->PanelList();
        ASSERT_EQ(panels->Count(), 1);
        EXPECT_EQ(panels->Item(1)->Count(), 1) << "retained all the same";
    }
}

// Without a refresh both pictures stay in retained mode and the screen shows nothing new; the
// next refresh shows everything. Each figure is retained in one keep panel with the control's pen
// of the moment, so a redraw under another pen paints the same pixels.
TEST(DrawingMethods, RetainTheirFigureWithTheControlsPenOfTheMoment)
{
    TenByTen p;
    p.graph.DrawWidth(2);
    p.graph.DrawMode(gdi::R2_MERGEPEN);
    p.graph.DrawPoint(2, 3, 0x00FF00, false);
    p.graph.DrawCircle(5, 5, 1, 88, true, 99, false);
    p.graph.DrawWidth(0);
    p.graph.DrawStyle(gdi::PS_DOT);
    p.graph.DrawLine(1, 9, 9, 6, 0x00FFFF, false);
    EXPECT_TRUE(p.inside.AutoRedraw() && p.frame.AutoRedraw());
    EXPECT_EQ(p.inside.ScreenPixel(100, 210), background) << "unseen until a refresh";
    p.graph.DrawLabel(1, 2, "note", 11);
    EXPECT_FALSE(p.inside.AutoRedraw() || p.frame.AutoRedraw());
    EXPECT_EQ(p.inside.ScreenPixel(100, 210), 0x40FF20u) << "the point shows now, merge-pen";

    const auto drawn = p.Plot();
    p.graph.DrawStyle(gdi::PS_SOLID);
    p.graph.DrawMode(gdi::R2_COPYPEN);
    p.graph.Redraw();
    EXPECT_TRUE(p.Plot() == drawn);
    const Ref<PanelManager> panels = p.graph.CurrentData()->PanelList();
    ASSERT_EQ(panels->Count(), 1);
    EXPECT_EQ(panels->Item(1)->Count(), 4);
    p.graph.KeepData(false);
    p.graph.DrawLine(1, 1, 2, 2);
    EXPECT_EQ(panels->Item(1)->Count(), 4) << "nothing retained while KeepData is off";
}

// Before the first Clear a label raises 91; after it, unscaled, the figures do nothing while a
// label draws (an unscaled design maps everything to pixel 0). Figures the pixel conversion
// cannot take raise 6 and leave nothing behind.
TEST(DrawingMethods, RefuseUnscaledAndUnconvertibleFigures)
{
    constexpr double huge = std::numeric_limits<double>::max();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();

    SitedGraph fresh;
    fresh.Init();
    EXPECT_EQ(ErrorOf([&] { fresh.graph.DrawLabel(0, 0, "x"); }), errObjectNotSet);
    fresh.graph.Clear(); // bounds 0 .. 0: not scaled
    fresh.graph.DrawLine(0, 0, 1, 1);
    fresh.graph.DrawCircle(0, 0, 1);
    fresh.graph.DrawEllipse(0, 0, 1, 1);
    EXPECT_EQ(fresh.graph.CurrentData()->PanelList()->Count(), 0);
    EXPECT_FALSE(fresh.inside.AutoRedraw());
    fresh.graph.DrawLabel(3, 3, "up", 0);
    EXPECT_EQ(fresh.graph.CurrentData()->PanelList()->Count(), 1);
    EXPECT_TRUE(fresh.graph.DataLoaded());
    EXPECT_FALSE(fresh.graph.Formatted());

    TenByTen p;
    EXPECT_EQ(ErrorOf([&] { p.graph.DrawCircle(huge, 5, huge); }), errOverflow);
    EXPECT_EQ(ErrorOf([&] { p.graph.DrawCircle(5, 5, nan); }), errOverflow);
    EXPECT_FALSE(p.inside.AutoRedraw()) << "DrawCircle fails before anything is done";
    EXPECT_EQ(ErrorOf([&] { p.graph.DrawLine(nan, 0, 1, 1); }), errOverflow);
    EXPECT_EQ(ErrorOf([&] { p.graph.DrawRectangle(0, huge, 1, 1, 255, true); }), errOverflow);
    EXPECT_EQ(p.graph.CurrentData()->PanelList()->Count(), 0) << "a failed figure is not kept";
    EXPECT_FALSE(p.graph.DataLoaded());
    EXPECT_EQ(LiveDrawingObjects(), 0);
}

} // namespace
} // namespace vantrel::rendertest
