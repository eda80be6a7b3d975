// Drawing the host's shapes and panels, the refusals, and when Redraw replays.
#include "RetainedFixture.h"

namespace vantrel::retainedtest {
namespace {

// Series, label, shape: the shape covers the series where they cross; moving the shape first
// puts the series on top at the next redraw. The host's panel is the keep panel from then on.
TEST(RetainedDrawing, APanelIsDrawnInItsOrderAndBecomesTheKeepPanel)
{
    Graph g;
    auto panel = std::make_shared<PanelData>();
    panel->AddData(Level(5, blue, 3));
    panel->CreateLabel(1, 9, "level", -1, "", red);
    panel->CreateShape(gstRectangle, 4, 4, 6, 6, -1, "", green, true, green);
    g.graph.DrawFromPanel(panel);
    EXPECT_EQ(
        std::vector({ g.At(5, 5), g.At(2, 5), g.At(5, 4.5) }), std::vector({ green, blue, green }));

    panel->Move(3, 1);
    g.graph.Redraw();
    EXPECT_EQ(g.At(5, 5), blue) << "the replay follows the panel's new order";
    g.graph.DrawLine(1, 1, 2, 2);
    EXPECT_EQ(g.graph.CurrentData()->PanelList()->Count(), 1);
    ASSERT_EQ(panel->Count(), 4);
    EXPECT_EQ(panel->Shape(2)->ShapeType(), gstLine);
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
    EXPECT_EQ(
        std::vector<int32_t>({ g.graph.DrawWidth(), g.graph.DrawStyle(), g.graph.DrawMode() }),
        std::vector<int32_t>({ 3, 2, 7 }));
    EXPECT_EQ(g.container.PropertyChanges(),
        std::vector<std::string>({ "DrawWidth", "DrawStyle", "DrawMode" }));
}

class LyingItem : public XYItem {
public:
    GraphXYItemConstants TypeID() const override { return gxyShape; }
};

// An absent source is DrawFromSources.FaultEmptySourceLeavesTheControlAsItWas.
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
        SCOPED_TRACE(c.label);
        Graph g;
        EXPECT_EQ(ErrorOf([&] { c.call(g.graph); }), c.number);
        const Ref<GraphData> data = g.graph.CurrentData();
        const auto panels = data ? data->PanelList() : nullptr;
        EXPECT_EQ(panels && panels->Count() ? panels->Item(1)->Count() : 0, c.retained);
        EXPECT_EQ(LivePensAndBrushes(), 0);
    }
}

TEST(RetainedDrawing, RedrawNeedsKeepDataAndSomethingPainted)
{
    Graph g;
    g.graph.Redraw();
    EXPECT_FALSE(g.inside.AutoRedraw());
    g.graph.KeepData(false);
    g.graph.DrawFromShape(Box(1, 1, 5, 5, red));
    gdi::SetPixel(g.inside.hDC(), 400, 50, blue); // screen only: a redraw would erase it
    g.graph.Redraw();
    EXPECT_EQ(g.inside.ScreenPixel(400, 50), blue);
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
} // namespace vantrel::retainedtest
