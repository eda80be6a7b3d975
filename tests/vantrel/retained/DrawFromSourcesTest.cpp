// DrawFromSources: clearing, taking the source's formats and bounds, retaining the source.
#include "vantrel/control/SitedGraph.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vantrel/Error.h>

using namespace vantrel;
using vantrel::testing::SitedGraph;

namespace {

struct Graph : SitedGraph {
    Graph()
        : SitedGraph(616, 416)
    {
        Init();
        graph.Clear();
        graph.SetScale(0, 0, 10, 10);
    }
};

Ref<GraphData> Source(BoundsRecord bounds)
{
    auto source = std::make_shared<GraphData>();
    source->Bounds()->SetRecord(bounds);
    source->XAxis()->Format()->Name("Time");
    source->YAxis()->AxisType(gatLog);
    auto panel = std::make_shared<PanelData>();
    // A label: unlike shapes and series it leaves the control's pen settings alone.
    panel->CreateLabel(1, 1, "mark");
    source->PanelList()->Add(panel);
    return source;
}

TEST(DrawFromSources, WithoutFlagsTheControlsRangeAndFormatsApplyToTheSource)
{
    Graph g;
    g.graph.XAxisName("Control");
    const auto source = Source({ 0, 100, 1, 1000 });
    g.graph.DrawFromSources(source);
    EXPECT_EQ(g.graph.CurrentData(), source);
    EXPECT_EQ(g.graph.XMax(), 10.0);
    EXPECT_EQ(source->XAxis()->Format()->Name(), "Control");
    EXPECT_EQ(source->YAxis()->AxisType(), gatLinear);
    EXPECT_TRUE(g.graph.DataLoaded());
    EXPECT_FALSE(g.inside.AutoRedraw());
}

TEST(DrawFromSources, TakesBoundsAndFormatsWithoutNotifying)
{
    Graph g;
    const auto source = Source({ 0, 10, -1, 1 });
    source->YAxis()->AxisType(gatLinear);
    g.container.ClearPropertyChanges();
    g.graph.DrawFromSources(source, true, true);
    EXPECT_EQ(g.graph.YMin(), -1.0);
    EXPECT_EQ(g.graph.YMax(), 1.0);
    EXPECT_EQ(g.graph.XAxisName(), "Time");
    EXPECT_TRUE(g.container.PropertyChanges().empty());
}

TEST(DrawFromSources, DegenerateBoundsAreRepairedFromTheDisplayedRange)
{
    const BoundsRecord degenerate[] = {
        { 0, 0, 0, 0 },
        { 5, 5, 0, 1 },
        { 0, 1, std::nan(""), 1 },
    };
    for (const auto& bounds : degenerate) {
        Graph g;
        const auto source = Source(bounds);
        g.graph.DrawFromSources(source, true);
        EXPECT_EQ(source->Bounds()->GetRecord(), (BoundsRecord { 0, 10, 0, 10 }));
        EXPECT_TRUE(g.graph.Scaled());
    }
}

TEST(DrawFromSources, WithoutRefreshBothPicturesStayRetained)
{
    Graph g;
    g.graph.DrawFromSources(Source({ 0, 10, 0, 10 }), true, false, false);
    EXPECT_TRUE(g.inside.AutoRedraw());
    EXPECT_TRUE(g.frame.AutoRedraw());
}

TEST(DrawFromSources, WithoutKeepDataTheSourceIsDrawnOnceAndNotRetained)
{
    Graph g;
    g.graph.KeepData(false);
    const auto source = Source({ 0, 10, 0, 10 });
    g.graph.DrawFromSources(source);
    EXPECT_NE(g.graph.CurrentData(), source);
    EXPECT_TRUE(g.graph.DataLoaded());
}

TEST(DrawFromSources, AnAbsentSourceFailsAfterClearing)
{
    Graph g;
    try {
        g.graph.DrawFromSources(nullptr, true);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 91);
    }
    EXPECT_FALSE(g.graph.CurrentData()) << "with KeepData the empty source became current";
}

} // namespace
