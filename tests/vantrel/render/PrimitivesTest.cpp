// The drawing methods in axis units: the graphics calls they reach, the drawable range, the
// retained items, the drawing frame around them and the objects they leave behind.
#include "RenderFixture.h"
#include "vantrel/render/GdiScope.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace vantrel::rendertest {
namespace {

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

// Each method's figure equals the graphics call named in the label, made directly on a
// reference bitmap with the same pen, brush and text colour.
TEST(DrawingMethods, ReachTheGraphicsCallsOfTheirPixelPoints)
{
    using gdi::HDC;
    struct Case {
        const char* label;
        int16_t drawWidth;
        int32_t drawStyle;
        std::function<void(OrvGraph&)> draw;
        std::function<void(HDC)> reference;
    };
    const Case cases[] = {
        { "DrawRectangle (0, 0, 10, 10) is Rectangle (0, 300, 500, 0)", 0, 0,
            [](OrvGraph& g) { g.DrawRectangle(0, 0, 10, 10); },
            [](HDC dc) {
                render::PenScope pen(dc, gdi::PS_SOLID, 0, 255);
                gdi::Rectangle(dc, 0, 300, 500, 0);
            } },
        { "DrawLine (0, 0, 10, 10) is MoveToEx (0, 300), LineTo (500, 0)", 0, 0,
            [](OrvGraph& g) { g.DrawLine(0, 0, 10, 10); },
            [](HDC dc) {
                render::PenScope pen(dc, gdi::PS_SOLID, 0, 255);
                gdi::MoveToEx(dc, 0, 300, nullptr);
                gdi::LineTo(dc, 500, 0);
            } },
        { "DrawCircle (5, 5, 1) is Ellipse (200, 180, 300, 120)", 0, 0,
            [](OrvGraph& g) { g.DrawCircle(5, 5, 1); },
            [](HDC dc) {
                render::PenScope pen(dc, gdi::PS_SOLID, 0, 255);
                gdi::Ellipse(dc, 200, 180, 300, 120);
            } },
        { "filled DrawEllipse: FillColor inside, Color outline", 0, 0,
            [](OrvGraph& g) { g.DrawEllipse(1, 1, 4, 9, 0x00FFFF, true, 0x008000); },
            [](HDC dc) {
                render::PenScope pen(dc, gdi::PS_SOLID, 0, 0x00FFFF);
                render::BrushScope brush(dc, 0x008000);
                gdi::Ellipse(dc, 50, 270, 200, 30);
            } },
        { "filled DrawRectangle with a wide dashed pen (drawn solid)", 3, gdi::PS_DASH,
            [](OrvGraph& g) { g.DrawRectangle(2, 2, 8, 6, 0xFFFFFF, true, 0x0000FF); },
            [](HDC dc) {
                render::PenScope pen(dc, gdi::PS_DASH, 3, 0xFFFFFF);
                render::BrushScope brush(dc, 0x0000FF);
                gdi::Rectangle(dc, 100, 240, 400, 120);
            } },
        { "DrawPoint (2, 3) is SetPixel (100, 210); pen settings do not apply", 5, gdi::PS_NULL,
            [](OrvGraph& g) { g.DrawPoint(2, 3, 0x00FF00); },
            [](HDC dc) { gdi::SetPixel(dc, 100, 210, 0x00FF00); } },
        { "DrawLabel at pixel (100, 150) writes at (102, 137)", 0, 0,
            [](OrvGraph& g) { g.DrawLabel(2, 5, "Label 0.5", 0x00FFFF); },
            [](HDC dc) {
                gdi::SetTextColor(dc, 0x00FFFF);
                gdi::TextOutA(dc, 102, 137, "Label 0.5", 9);
            } },
        { "UTF-8 label text goes out as its bytes", 0, 0,
            [](OrvGraph& g) { g.DrawLabel(2, 5, "caf\xC3\xA9", 0xFFFFFF); },
            [](HDC dc) {
                gdi::SetTextColor(dc, 0xFFFFFF);
                gdi::TextOutA(dc, 102, 137, "caf\xC3\xA9", 5);
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TenByTen p;
        p.graph.DrawWidth(c.drawWidth);
        p.graph.DrawStyle(c.drawStyle);
        c.draw(p.graph);
        ReferenceCanvas expected(500, 300, background);
        c.reference(expected.Dc());
        EXPECT_TRUE(p.Plot() == expected.Image());
        EXPECT_TRUE(p.graph.DataLoaded());
        EXPECT_EQ(LiveDrawingObjects(), 0);
    }
}

// 20000 pixels is the last drawable position: X value 400 on this plot, Y value -656.67.
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
        { "line starting at pixel -20001", [](OrvGraph& g) { g.DrawLine(-400.02, 5, 5, 5); },
            false },
        { "point far above", [](OrvGraph& g) { g.DrawPoint(5, 1e6); }, false },
        { "label far right", [](OrvGraph& g) { g.DrawLabel(1e6, 5, "x"); }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TenByTen p;
        const PixelImage before = p.Plot();
        c.draw(p.graph);
        EXPECT_EQ(p.Plot() != before, c.painted);
        EXPECT_EQ(p.graph.DataLoaded(), c.painted);
        const Ref<PanelManager> panels = p.graph.CurrentData()->PanelList();
        ASSERT_EQ(panels->Count(), 1);
        EXPECT_EQ(panels->Item(1)->Count(), 1) << "retained all the same";
    }
}

TEST(DrawingMethods, RetainTheirFigureWithTheControlsPenOfTheMoment)
{
    TenByTen p;
    p.graph.DrawWidth(2);
    p.graph.DrawStyle(3);
    p.graph.DrawMode(gdi::R2_MERGEPEN);
    p.graph.DrawPoint(2, 3, 77);
    p.graph.DrawCircle(5, 5, 1, 88, true, 99);
    p.graph.DrawLabel(1, 2, "note", 11);

    const Ref<PanelManager> panels = p.graph.CurrentData()->PanelList();
    ASSERT_EQ(panels->Count(), 1) << "one keep panel for every drawing";
    const Ref<PanelData> keep = panels->Item(1);
    ASSERT_EQ(keep->Count(), 3);

    const Ref<XYItem_Shape> point = keep->Shape(1);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->ShapeType(), gstPoint);
    EXPECT_EQ(std::vector({ point->X1(), point->Y1(), point->X2(), point->Y2() }),
        std::vector({ 2.0, 3.0, 0.0, 0.0 }));
    EXPECT_EQ(std::vector<int32_t>(
                  { point->Color(), point->DrawWidth(), point->DrawStyle(), point->DrawMode() }),
        std::vector<int32_t>({ 77, 2, 3, gdi::R2_MERGEPEN }));

    const Ref<XYItem_Shape> circle = keep->Shape(2);
    ASSERT_TRUE(circle);
    EXPECT_EQ(circle->ShapeType(), gstEllipse) << "a retained circle is an ellipse";
    EXPECT_EQ(std::vector({ circle->X1(), circle->Y1(), circle->X2(), circle->Y2() }),
        std::vector({ 4.0, 4.0, 6.0, 6.0 }));
    EXPECT_TRUE(circle->Fill());
    ASSERT_TRUE(keep->Label(1));
    EXPECT_EQ(keep->Label(1)->Text(), "note");

    p.graph.KeepData(false);
    p.graph.DrawLine(1, 1, 2, 2);
    EXPECT_EQ(keep->Count(), 3) << "nothing retained while KeepData is off";
}

// Drawing twice in XOR mode restores the picture, fill and outline alike.
TEST(DrawingMethods, PaintThroughTheControlsDrawMode)
{
    TenByTen p;
    p.graph.YGridStyle(ggsLines);
    p.graph.Clear();
    p.graph.SetScale(0, 0, 10, 10);
    p.graph.DrawPoint(9, 9); // draws the frame
    const PixelImage before = p.Plot();
    p.graph.DrawMode(gdi::R2_XORPEN);
    for (int pass = 0; pass < 2; ++pass) {
        p.graph.DrawRectangle(1, 1, 6, 6, 0x00FFFF, true, 0xFF0000);
        p.graph.DrawEllipse(3, 3, 9, 7, 0x00FFFF);
        p.graph.DrawLine(0, 10, 10, 0, 0xFFFFFF);
        p.graph.DrawPoint(7, 2, 0xFFFFFF);
        if (pass == 0) {
            EXPECT_FALSE(p.Plot() == before);
        }
    }
    EXPECT_TRUE(p.Plot() == before);
}

TEST(DrawingMethods, RefreshOrKeepBothPicturesRetained)
{
    TenByTen p;
    p.graph.DrawPoint(2, 3, 0x00FF00, false);
    EXPECT_TRUE(p.inside.AutoRedraw());
    EXPECT_TRUE(p.frame.AutoRedraw());
    EXPECT_EQ(p.inside.ScreenPixel(100, 210), background) << "unseen until a refresh";

    p.graph.DrawCircle(5, 5, 1, 255, false, 255, false);
    EXPECT_TRUE(p.inside.AutoRedraw()) << "DrawCircle leaves retained mode on too";

    p.graph.DrawLine(0, 5, 10, 5, 0x0000FF, true);
    EXPECT_FALSE(p.inside.AutoRedraw());
    EXPECT_FALSE(p.frame.AutoRedraw());
    EXPECT_EQ(p.inside.ScreenPixel(100, 210), 0x00FF00u) << "the earlier point shows now";
    EXPECT_EQ(p.inside.ScreenPixel(100, 150), 0x0000FFu);
}

TEST(DrawingMethods, DoNothingBeforeTheGraphIsScaled)
{
    BarePlot p(200, 100);
    p.graph.Clear(); // bounds 0 .. 0: not scaled
    ASSERT_FALSE(p.graph.Scaled());
    p.graph.DrawLine(0, 0, 1, 1);
    p.graph.DrawRectangle(0, 0, 1, 1);
    p.graph.DrawPoint(0, 0);
    p.graph.DrawCircle(0, 0, 1);
    p.graph.DrawEllipse(0, 0, 1, 1);
    EXPECT_EQ(p.graph.CurrentData()->PanelList()->Count(), 0);
    EXPECT_FALSE(p.inside.AutoRedraw());
    EXPECT_FALSE(p.graph.Formatted());

    // A label draws in any state: an unscaled design maps everything to pixel 0.
    p.graph.DrawLabel(3, 3, "up", 0);
    EXPECT_EQ(p.graph.CurrentData()->PanelList()->Count(), 1);
    EXPECT_TRUE(p.graph.DataLoaded());
    EXPECT_FALSE(p.graph.Formatted());
}

TEST(DrawingMethods, RaiseErrorsWithoutLeavingObjectsOrItems)
{
    auto errorOf = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const Error& error) {
            return error.Number();
        }
        return 0;
    };
    constexpr double huge = std::numeric_limits<double>::max();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();

    SitedGraph fresh;
    fresh.Init(); // no current data until the first Clear
    EXPECT_EQ(errorOf([&] { fresh.graph.DrawLabel(0, 0, "x"); }), errObjectNotSet);

    TenByTen p;
    EXPECT_EQ(errorOf([&] { p.graph.DrawCircle(huge, 5, huge); }), errOverflow);
    EXPECT_EQ(errorOf([&] { p.graph.DrawCircle(5, 5, nan); }), errOverflow);
    EXPECT_FALSE(p.inside.AutoRedraw()) << "DrawCircle fails before anything is done";
    EXPECT_FALSE(p.graph.Formatted());

    EXPECT_EQ(errorOf([&] { p.graph.DrawLine(nan, 0, 1, 1); }), errOverflow);
    EXPECT_EQ(errorOf([&] { p.graph.DrawRectangle(0, huge, 1, 1, 255, true); }), errOverflow);
    EXPECT_EQ(p.graph.CurrentData()->PanelList()->Count(), 0) << "a failed figure is not kept";
    EXPECT_FALSE(p.graph.DataLoaded());
    EXPECT_EQ(LiveDrawingObjects(), 0);
}

} // namespace
} // namespace vantrel::rendertest
