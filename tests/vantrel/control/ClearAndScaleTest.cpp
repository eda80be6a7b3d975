// Clear, SetScale and Refresh: the current data, the status flags and the pictures' modes.
#include "SitedGraph.h"

#include <gdi/Gdi.h>
#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::testing::SitedGraph;

namespace {

// What was drawn into the retained images is erased too.
TEST(OrvGraphClear, MakesAFreshCurrentDataAndKeepsTheScale)
{
    SitedGraph s;
    s.Init();
    s.graph.InsideBackColor(0xFFFFFF);
    s.graph.Clear();
    s.graph.SetScale(0, -1, 10, 1);
    const Ref<GraphData> first = s.graph.CurrentData();
    first->PanelList()->Add(std::make_shared<PanelData>());
    s.inside.AutoRedraw(true);
    gdi::SetPixel(s.inside.hDC(), 3, 4, 0x123456);
    ASSERT_EQ(s.inside.ImagePixel(3, 4), 0x123456u);

    s.graph.Clear();
    const Ref<GraphData> second = s.graph.CurrentData();
    ASSERT_TRUE(second && second != first);
    EXPECT_EQ(
        std::tuple(second->PanelList()->Count(), first->PanelList()->Count()), std::tuple(0, 1))
        << "the former data is released, not changed";
    EXPECT_EQ(second->Bounds()->GetRecord(), (BoundsRecord { 0, 10, -1, 1 }));
    EXPECT_TRUE(s.graph.Scaled());
    EXPECT_FALSE(s.graph.DataLoaded() || s.graph.Formatted());
    EXPECT_FALSE(s.inside.AutoRedraw() || s.frame.AutoRedraw());
    EXPECT_EQ(s.inside.ImagePixel(3, 4), 0xFFFFFFu);
}

// Clear without a refresh leaves both pictures retained until the next Refresh.
TEST(OrvGraphRefresh, PresentsRetainedDrawingAndLeavesRetainedMode)
{
    SitedGraph s;
    s.Init();
    s.graph.InsideBackColor(0xFFFFFF);
    s.graph.Clear(false);
    EXPECT_TRUE(s.inside.AutoRedraw() && s.frame.AutoRedraw());
    EXPECT_FALSE(s.graph.Scaled()) << "bounds of zero cannot be scaled";
    gdi::SetPixel(s.inside.hDC(), 7, 7, 0x0000FF);
    EXPECT_EQ(s.inside.ScreenPixel(7, 7), 0xFFFFFFu) << "not yet presented";
    s.graph.Refresh();
    EXPECT_EQ(s.inside.ScreenPixel(7, 7), 0x0000FFu);
    EXPECT_FALSE(s.inside.AutoRedraw() || s.frame.AutoRedraw());
}

} // namespace
