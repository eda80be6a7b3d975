// Placing the pictures from the margins and scaling the current data's axes to the plot area.
#include "SitedGraph.h"

#include <array>
#include <gtest/gtest.h>
#include <vantrel/Error.h>

using namespace vantrel;
using vantrel::testing::SitedGraph;

namespace {

using Geometry = std::array<float, 4>; // left, top, width, height in twips

Geometry Of(const platform::PictureSurface& p)
{
    return { p.Left(), p.Top(), p.Width(), p.Height() };
}

TEST(OrvGraphLayout, PicturesFollowTheMargins)
{
    SitedGraph s(577, 450); // 8655 x 6750 twips
    s.Init();
    EXPECT_EQ(Of(s.frame), (Geometry { 0, 0, 8655, 6750 }));
    EXPECT_EQ(Of(s.inside), (Geometry { 1200, 1200, 6975, 5070 }));
    s.graph.FrameEnabled(false);
    EXPECT_EQ(Of(s.inside), (Geometry { 0, 0, 8655, 6750 })) << "frame disabled";
    s.graph.FrameEnabled(true);
    s.graph.FrameLeft(8655 - 480);
    EXPECT_EQ(Of(s.inside), (Geometry { 8175, 1200, 0, 0 })) << "no room left";
    s.graph.Clear();
    s.graph.SetScale(0, 0, 10, 10);
    EXPECT_FALSE(s.graph.Scaled()) << "a plot of 0 x 0 pixels";
}

TEST(OrvGraphLayout, MarginChangesWaitForTheNextLayoutOnceDataIsDrawn)
{
    SitedGraph s;
    s.Init();
    s.graph.Clear();
    s.graph.SetScale(0, 0, 10, 10);
    s.graph.FrameTop(600);
    EXPECT_EQ(s.inside.Top(), 600.0f) << "nothing painted yet";
    s.graph.DrawLine(0, 0, 10, 10);
    s.graph.FrameTop(900);
    EXPECT_EQ(s.inside.Top(), 600.0f) << "painted: the plot area waits";
    s.graph.Redraw();
    EXPECT_EQ(s.inside.Top(), 900.0f);
}

TEST(OrvGraphLayout, SetScaleMapsTheRangeOntoThePlotArea)
{
    // Default margins take 80 + 32 pixels each way, the 3-D border 4 more.
    SitedGraph s(616, 416);
    s.Init();
    s.graph.Clear();
    s.graph.SetScale(0, 0, 10, 100);
    ASSERT_TRUE(s.graph.Scaled());
    EXPECT_EQ(s.graph.GraphPixelWidth(), 500);
    EXPECT_EQ(s.graph.GraphPixelHeight(), 300);
    const Ref<GraphData> data = s.graph.CurrentData();
    const auto x = data->XAxis()->Design();
    const auto y = data->YAxis()->Design();
    EXPECT_EQ(x->GetPixel(10), 500);
    EXPECT_EQ(y->GetPixel(100), 0);
    EXPECT_EQ(y->GetPixel(0), 300);
    EXPECT_EQ(data->Bounds()->GetRecord(), (BoundsRecord { 0, 10, 0, 100 }));
}

TEST(OrvGraphLayout, AxesReceiveTheControlsTypesAndFormats)
{
    SitedGraph s;
    s.Init();
    s.graph.Clear();
    s.graph.XAxisName("time");
    s.graph.YAxisType(gatLog);
    s.graph.SetScale(0, 1, 10, 1000);
    const Ref<GraphData> data = s.graph.CurrentData();
    EXPECT_EQ(data->XAxis()->Format()->Name(), "time");
    EXPECT_EQ(data->YAxis()->AxisType(), gatLog);
    EXPECT_EQ(data->YAxis()->Design()->TypeID(), 1);
    EXPECT_TRUE(s.graph.Scaled());
}

TEST(OrvGraphLayout, EqualBoundsAreStoredButLeaveTheGraphUnscaled)
{
    SitedGraph s;
    s.Init();
    s.graph.Clear();
    s.graph.SetScale(5, 0, 5, 10);
    EXPECT_FALSE(s.graph.Scaled());
    EXPECT_EQ(s.graph.XMin(), 5.0);
    EXPECT_EQ(s.graph.XMax(), 5.0);
    EXPECT_EQ(s.graph.YMin(), 0.0);
    EXPECT_EQ(s.graph.YMax(), 10.0);
}

TEST(OrvGraphLayout, ResizeMovesPicturesButKeepsScaleAndImages)
{
    SitedGraph s;
    s.Init();
    s.graph.Clear();
    s.graph.SetScale(0, 0, 10, 10);
    const int32_t before = s.graph.CurrentData()->XAxis()->Design()->GetPixel(10);
    s.container.SetSize(800 * 15.0f, 600 * 15.0f);
    s.graph.Resize();
    EXPECT_EQ(s.frame.Width(), 800 * 15.0f);
    EXPECT_TRUE(s.graph.Scaled());
    EXPECT_EQ(s.graph.XMax(), 10.0);
    EXPECT_EQ(s.graph.CurrentData()->XAxis()->Design()->GetPixel(10), before);
}

TEST(OrvGraphLayout, SetScaleWithoutCurrentDataStoresTheBoundsThenFails)
{
    SitedGraph s;
    s.Init();
    try {
        s.graph.SetScale(1, 2, 3, 4);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 91);
    }
    EXPECT_EQ(s.graph.XMin(), 1.0);
    EXPECT_EQ(s.graph.YMax(), 4.0);
}

TEST(OrvGraphLayout, AnAxisWithoutFormatIsRefusedNotDereferenced)
{
    SitedGraph s;
    s.Init();
    s.graph.Clear();
    s.graph.CurrentData()->XAxis()->Format(nullptr);
    try {
        s.graph.SetScale(0, 0, 10, 10);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 91);
    }
}

} // namespace
