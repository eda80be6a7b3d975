// DrawFromSources: clearing, taking the source's formats and bounds, retaining the source.
#include "RetainedFixture.h"

#include <cmath>
#include <tuple>

namespace vantrel::retainedtest {
namespace {

// The source: X named "Time", a logarithmic Y axis and one label (which, unlike shapes and
// series, leaves the control's pen settings alone). The control names its X axis "Control".
TEST(DrawFromSources, ScalesFormatsRetainsAndRefreshesAsItsFlagsSay)
{
    struct Row {
        const char* label;
        BoundsRecord bounds; // the source's: XMin, XMax, YMin, YMax
        bool scale, format, refresh, keepData;
        BoundsRecord shown; // the control's range afterwards
        const char* xName; // the control's afterwards
        GraphAxisTypeConstants yType; // the control's afterwards
        bool retainedMode;
    };
    const BoundsRecord ten { 0, 10, 0, 10 };
    const BoundsRecord wide { 0, 100, 1, 1000 };
    const Row rows[] = {
        { "no flags: the control's range and formats apply", wide, false, false, true, true, ten,
            "Control", gatLinear, false },
        { "scale and format: the source's, without notifying", wide, true, true, true, true, wide,
            "Time", gatLog, false },
        { "bounds all 0: repaired from the range shown", { 0, 0, 0, 0 }, true, false, true, true,
            ten, "Control", gatLinear, false },
        { "X of no extent: repaired", { 5, 5, 0, 1 }, true, false, true, true, ten, "Control",
            gatLinear, false },
        { "a NaN bound: repaired", { 0, 1, std::nan(""), 1 }, true, false, true, true, ten,
            "Control", gatLinear, false },
        { "no refresh: both pictures stay retained", ten, true, false, false, true, ten, "Control",
            gatLinear, true },
        { "KeepData off: drawn once, not retained", ten, false, false, true, false, ten, "Control",
            gatLinear, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Graph g;
        g.graph.XAxisName("Control");
        g.graph.KeepData(row.keepData);
        auto source = std::make_shared<GraphData>();
        source->Bounds()->SetRecord(row.bounds);
        source->XAxis()->Format()->Name("Time");
        source->YAxis()->AxisType(gatLog);
        source->PanelList()->Add(std::make_shared<PanelData>());
        source->PanelList()->Item(1)->CreateLabel(1, 1, "mark");
        g.container.ClearPropertyChanges();
        g.graph.DrawFromSources(source, row.scale, row.format, row.refresh);
        EXPECT_EQ((BoundsRecord { g.graph.XMin(), g.graph.XMax(), g.graph.YMin(), g.graph.YMax() }),
            row.shown);
        // Only bScaleGraph writes the source's bounds; only a retained source takes the formats.
        EXPECT_EQ(source->Bounds()->GetRecord(), row.scale ? row.shown : row.bounds);
        EXPECT_EQ(
            std::tuple(g.graph.XAxisName(), g.graph.YAxisType()), std::tuple(row.xName, row.yType));
        EXPECT_EQ(source->XAxis()->Format()->Name(), row.keepData ? row.xName : "Time");
        EXPECT_EQ(source->YAxis()->AxisType(), row.keepData ? row.yType : gatLog);
        EXPECT_EQ(g.graph.CurrentData() == source, row.keepData);
        EXPECT_EQ(std::tuple(g.inside.AutoRedraw(), g.frame.AutoRedraw()),
            std::tuple(row.retainedMode, row.retainedMode));
        EXPECT_TRUE(g.graph.DataLoaded() && g.container.PropertyChanges().empty());
    }
}

TEST(DrawFromSources, AUserZoomSurvivesWhileTheSourcesRangeIsShown)
{
    Graph g;
    g.graph.DrawFromSource(Level(5, red, 1));
    g.graph.ZoomUser(2, 2, 8, 8);
    ASSERT_EQ(g.graph.ZoomState(), grzUser);
    auto source = std::make_shared<GraphData>();
    source->Bounds()->SetRecord({ 0, 100, -1, 1 });
    g.graph.DrawFromSources(source, true);
    EXPECT_EQ(g.graph.ZoomState(), grzUser);
    EXPECT_EQ((BoundsRecord { g.graph.XMin(), g.graph.XMax(), g.graph.YMin(), g.graph.YMax() }),
        (BoundsRecord { 0, 100, -1, 1 }));
}

// Fault: an empty source raised 91 after clearing the graph, leaving it scaled with no current
// data, and the next drawing that retains crashed. Now a refused source changes nothing.
TEST(DrawFromSources, FaultEmptySourceLeavesTheControlAsItWas)
{
    Graph g;
    g.graph.DrawFromSource(Level(5, red, 1));
    const Ref<GraphData> before = g.graph.CurrentData();
    auto formatless = std::make_shared<GraphData>();
    formatless->XAxis()->Format(nullptr);
    for (const Ref<GraphData>& source : { Ref<GraphData>(), formatless }) {
        EXPECT_EQ(ErrorOf([&] { g.graph.DrawFromSources(source, true, true); }), 91);
        EXPECT_EQ(g.graph.CurrentData(), before);
        EXPECT_EQ(g.At(5, 5), red) << "the picture stays";
        g.graph.DrawY(gdtLine, 0, 1, DoubleArray(std::vector<double>(11, 7.0)), 11, green);
        EXPECT_EQ(g.At(5, 7), green);
    }
    EXPECT_EQ(before->PanelList()->Item(1)->Count(), 3);
}

} // namespace
} // namespace vantrel::retainedtest
