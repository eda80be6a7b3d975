// Replaying retained series: pen settings, size, drawing order, host changes, zoom state.
#include "vantrel/control/SitedGraph.h"

#include <functional>
#include <gdi/Gdi.h>
#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::testing::SitedGraph;

namespace {

constexpr uint32_t white = 0xFFFFFF;
constexpr uint32_t red = 0x0000FF;
constexpr uint32_t green = 0x00FF00;
constexpr uint32_t blue = 0xFF0000;

// A 500 x 300 plot area showing 0..10 on both axes: x = 50 v, y = 300 - 30 v.
struct Graph : SitedGraph {
    Graph()
        : SitedGraph(616, 416)
    {
        Init();
        graph.InsideBackColor(white);
        graph.XGridStyle(ggsNone);
        graph.YGridStyle(ggsNone);
        graph.Clear();
        graph.SetScale(0, 0, 10, 10);
    }

    uint32_t At(double x, double y) const
    {
        return inside.ImagePixel(static_cast<int32_t>(50 * x), static_cast<int32_t>(300 - 30 * y));
    }
};

// A horizontal line across the whole range at height y, as an interval series of 11 points.
Ref<XYItem_Data> Level(PanelData& panel, double y, int32_t color, int32_t width)
{
    return panel.CreateIntervalData(0, 1, DoubleArray(std::vector<double>(11, y)), 11, gdtLine, -1,
        "", true, color, false, color, width);
}

TEST(SeriesReplay, TheItemsPenStaysAndARedrawAfterResizeReplaysAtTheNewSize)
{
    Graph g;
    PanelData scratch;
    g.graph.DrawFromSource(Level(scratch, 5, red, 3));
    EXPECT_EQ(g.graph.DrawWidth(), 3);
    EXPECT_EQ(g.At(2, 5), red);
    EXPECT_EQ(g.inside.ImagePixel(100, 151), red) << "three pixels wide";
    EXPECT_EQ(g.inside.ImagePixel(100, 153), white);

    g.graph.DrawWidth(1);
    g.container.SetSize(216 * 15.0f, 416 * 15.0f); // plot area 100 x 300
    g.graph.Resize();
    for (int i = 0; i < 1000; ++i)
        g.graph.Redraw();
    EXPECT_EQ(g.graph.DrawWidth(), 3) << "the replay sets the item's pen again";
    EXPECT_EQ(g.inside.ImagePixel(90, 150), red);
    EXPECT_EQ(g.inside.ImagePixel(90, 140), white);
    EXPECT_EQ(g.graph.CurrentData()->PanelList()->Item(1)->Count(), 1) << "nothing retained twice";
    EXPECT_EQ(gdi::LiveObjectCount(gdi::OBJ_PEN) + gdi::LiveObjectCount(gdi::OBJ_BRUSH), 0);
}

TEST(SeriesReplay, APanelIsDrawnInItsOrderWithLaterItemsOnTop)
{
    struct Case {
        const char* label;
        bool shapeLast;
        uint32_t atCrossing;
    };
    const Case cases[] = {
        { "series, label, shape: the shape covers the series", true, green },
        { "shape, label, series: the series crosses the shape", false, blue },
    };
    for (const auto& c : cases) {
        Graph g;
        auto panel = std::make_shared<PanelData>();
        if (!c.shapeLast)
            panel->CreateShape(gstRectangle, 4, 4, 6, 6, -1, "", green, true, green);
        Level(*panel, 5, blue, 3);
        panel->CreateLabel(1, 9, "level", -1, "", red);
        if (c.shapeLast)
            panel->CreateShape(gstRectangle, 4, 4, 6, 6, -1, "", green, true, green);
        g.graph.DrawFromPanel(panel);
        EXPECT_EQ(g.At(5, 5), c.atCrossing) << c.label;
        EXPECT_EQ(g.At(2, 5), blue) << c.label;
        EXPECT_EQ(g.At(5, 4.5), green) << c.label;
    }
}

TEST(SeriesReplay, TheNextRedrawShowsTheHostsChangesToARetainedSeries)
{
    struct Case {
        const char* label;
        std::function<void(XYItem_Data&)> change;
        double x, y;
        uint32_t before, after;
    };
    const Case cases[] = {
        { "Color1", [](XYItem_Data& s) { s.Color1(green); }, 5, 5, red, green },
        { "a value moved", [](XYItem_Data& s) { s.Y(10, 8.0); }, 9.9, 5, red, white },
        { "disabled", [](XYItem_Data& s) { s.Enabled(false); }, 5, 5, red, white },
        { "impulses from the axis", [](XYItem_Data& s) { s.GraphType(gdtImpulse); }, 5, 2, white,
            red },
    };
    for (const auto& c : cases) {
        Graph g;
        PanelData scratch;
        const auto series = Level(scratch, 5, red, 1);
        g.graph.DrawFromSource(series);
        ASSERT_EQ(g.At(c.x, c.y), c.before) << c.label;
        c.change(*series);
        g.graph.Redraw();
        EXPECT_EQ(g.At(c.x, c.y), c.after) << c.label;
    }
}

TEST(SeriesReplay, AUserZoomSurvivesDrawFromSourcesWhichShowsTheSourcesRange)
{
    Graph g;
    PanelData scratch;
    g.graph.DrawFromSource(Level(scratch, 5, red, 1));
    g.graph.ZoomUser(2, 2, 8, 8);
    ASSERT_EQ(g.graph.ZoomState(), grzUser);

    auto source = std::make_shared<GraphData>();
    source->Bounds()->SetRecord({ 0, 100, -1, 1 });
    g.graph.DrawFromSources(source, true);
    EXPECT_EQ(g.graph.ZoomState(), grzUser);
    EXPECT_EQ(g.graph.XMin(), 0.0);
    EXPECT_EQ(g.graph.XMax(), 100.0);
    EXPECT_EQ(g.graph.YMin(), -1.0);
    EXPECT_EQ(g.graph.YMax(), 1.0);
}

} // namespace
