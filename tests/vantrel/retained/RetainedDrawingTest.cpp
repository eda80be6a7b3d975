// Drawing the host's objects, replaying retained data and drawing whole data sources.
#include "vantrel/control/SitedGraph.h"

#include <gdi/Gdi.h>
#include <gtest/gtest.h>
#include <vantrel/Error.h>

using namespace vantrel;
using vantrel::testing::SitedGraph;

namespace {

constexpr uint32_t white = 0xFFFFFF;
constexpr uint32_t red = 0x0000FF;
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

Ref<XYItem_Shape> Box(double x1, double y1, double x2, double y2, int32_t color)
{
    auto shape = std::make_shared<XYItem_Shape>();
    shape->ShapeType(gstRectangle);
    shape->X1(x1);
    shape->Y1(y1);
    shape->X2(x2);
    shape->Y2(y2);
    shape->Color(color);
    shape->Fill(true);
    shape->FillColor(color);
    shape->DrawMode(13);
    return shape;
}

TEST(RetainedDrawing, PanelItemsAreDrawnInListOrderLaterOnesOnTop)
{
    Graph g;
    auto panel = std::make_shared<PanelData>();
    panel->AddShape(Box(1, 1, 5, 5, red));
    panel->AddShape(Box(3, 3, 7, 7, blue));
    g.graph.DrawFromPanel(panel);
    EXPECT_EQ(g.At(4, 4), blue);
    EXPECT_EQ(g.At(2, 2), red);

    panel->Move(2, 1);
    g.graph.Redraw();
    EXPECT_EQ(g.At(4, 4), red) << "the replay follows the panel's new order";
    EXPECT_EQ(g.graph.CurrentData()->PanelList()->Item(1), panel);
}

TEST(RetainedDrawing, DisabledPanelsAndItemsAreRetainedButNotDrawn)
{
    Graph g;
    auto box = Box(1, 1, 5, 5, red);
    box->Enabled(false);
    g.graph.DrawFromShape(box);
    EXPECT_EQ(g.At(2, 2), white);
    ASSERT_EQ(g.graph.CurrentData()->PanelList()->Item(1)->Item(1), box);

    auto panel = std::make_shared<PanelData>();
    panel->AddShape(Box(6, 6, 9, 9, blue));
    panel->Enabled(false);
    g.graph.DrawFromPanel(panel);
    EXPECT_EQ(g.At(7, 7), white);

    box->Enabled(true);
    panel->Enabled(true);
    g.graph.DrawLine(0, 0, 1, 1); // something painted, so that Redraw replays
    g.graph.Redraw();
    EXPECT_EQ(g.At(2, 2), red);
    EXPECT_EQ(g.At(7, 7), blue);
}

TEST(RetainedDrawing, TheHostsPanelBecomesTheKeepPanel)
{
    Graph g;
    auto panel = std::make_shared<PanelData>();
    g.graph.DrawFromPanel(panel);
    g.graph.DrawLine(1, 1, 2, 2);
    ASSERT_EQ(panel->Count(), 1);
    EXPECT_EQ(panel->Shape(1)->ShapeType(), gstLine);
    EXPECT_EQ(g.graph.CurrentData()->PanelList()->Count(), 1);
}

TEST(RetainedDrawing, ShapesSetThePenSettingsEvenWhenTheyDrawNothing)
{
    Graph g;
    auto odd = Box(1, 1, 5, 5, red);
    odd->ShapeType(static_cast<GraphShapeTypeConstants>(9));
    odd->DrawWidth(3);
    odd->DrawStyle(2);
    odd->DrawMode(7);
    g.container.ClearPropertyChanges();
    g.graph.DrawFromShape(odd);
    EXPECT_EQ(g.At(2, 2), white);
    EXPECT_EQ(g.graph.DrawWidth(), 3);
    EXPECT_EQ(g.graph.DrawStyle(), 2);
    EXPECT_EQ(g.graph.DrawMode(), 7);
    const std::vector<std::string> expected { "DrawWidth", "DrawStyle", "DrawMode" };
    EXPECT_EQ(g.container.PropertyChanges(), expected);
}

class LyingItem : public XYItem {
public:
    GraphXYItemConstants TypeID() const override { return gxyShape; }
};

TEST(RetainedDrawing, ObjectErrorsReachTheCaller)
{
    struct Case {
        const char* label;
        std::function<void(OrvGraph&)> call;
        int32_t number;
        int32_t retained;
    };
    const Case cases[] = {
        { "absent item", [](OrvGraph& g) { g.DrawFromItem(nullptr); }, 91, 0 },
        { "absent shape", [](OrvGraph& g) { g.DrawFromShape(nullptr); }, 91, 0 },
        { "absent panel", [](OrvGraph& g) { g.DrawFromPanel(nullptr); }, 91, 0 },
        { "item whose TypeID lies is retained, then refused",
            [](OrvGraph& g) { g.DrawFromItem(std::make_shared<LyingItem>()); }, 13, 1 },
    };
    for (const auto& c : cases) {
        Graph g;
        try {
            c.call(g.graph);
            ADD_FAILURE() << c.label;
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), c.number) << c.label;
        }
        const auto panels = g.graph.CurrentData()->PanelList();
        EXPECT_EQ(panels->Count() ? panels->Item(1)->Count() : 0, c.retained) << c.label;
        EXPECT_EQ(gdi::LiveObjectCount(gdi::OBJ_PEN), 0) << c.label;
    }
}

TEST(RetainedDrawing, RedrawNeedsKeepDataAndSomethingPainted)
{
    Graph g;
    g.graph.Redraw();
    EXPECT_TRUE(g.inside.AutoRedraw() == false);
    g.graph.KeepData(false);
    g.graph.DrawFromShape(Box(1, 1, 5, 5, red));
    gdi::SetPixel(g.inside.hDC(), 400, 50, blue); // screen only: a redraw would erase it
    g.graph.Redraw();
    EXPECT_EQ(g.inside.ScreenPixel(400, 50), blue);
}

TEST(RetainedDrawing, RedrawReplaysAtTheNewSizeWithTheSameRange)
{
    Graph g;
    g.graph.DrawFromShape(Box(0, 0, 5, 5, red));
    g.container.SetSize(216 * 15.0f, 416 * 15.0f); // plot area 100 x 300
    g.graph.Resize();
    g.graph.Redraw();
    EXPECT_EQ(g.graph.XMax(), 10.0);
    EXPECT_EQ(g.inside.ImagePixel(45, 200), red);
    EXPECT_EQ(g.inside.ImagePixel(55, 200), white);
}

TEST(RetainedDrawing, RedrawOnALogAxisWithoutAPositiveRangeLeavesEmptyPictures)
{
    Graph g;
    g.graph.DrawFromShape(Box(1, 1, 5, 5, red));
    g.graph.XAxisType(gatLog);
    g.graph.Redraw();
    EXPECT_FALSE(g.graph.Scaled());
    EXPECT_EQ(g.At(2, 2), white);
    EXPECT_TRUE(g.inside.AutoRedraw());
}

} // namespace
