// Placing the pictures from the margins and scaling the current data's axes to the plot area.
#include "SitedGraph.h"
#include "vantrel/ErrorOf.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>

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

TEST(OrvGraphLayout, SetScaleMapsTheRangeWithTheControlsTypesAndFormats)
{
    // Default margins take 80 + 32 pixels each way, the 3-D border 4 more: a 500 x 300 plot.
    SitedGraph s(616, 416);
    s.Init();
    s.graph.Clear();
    s.graph.XAxisName("time");
    s.graph.YAxisType(gatLog);
    s.graph.SetScale(0, 1, 10, 1000);
    ASSERT_TRUE(s.graph.Scaled());
    EXPECT_EQ(
        std::tuple(s.graph.GraphPixelWidth(), s.graph.GraphPixelHeight()), std::tuple(500, 300));
    const Ref<GraphData> data = s.graph.CurrentData();
    EXPECT_EQ(
        std::tuple(data->XAxis()->Design()->GetPixel(10), data->YAxis()->Design()->GetPixel(10)),
        std::tuple(500, 200));
    EXPECT_EQ(data->XAxis()->Format()->Name(), "time");
    EXPECT_EQ(data->Bounds()->GetRecord(), (BoundsRecord { 0, 10, 1, 1000 })) << "the home range";

    // A resize moves the pictures but keeps the scale until the next layout.
    s.container.SetSize(800 * 15.0f, 600 * 15.0f);
    s.graph.Resize();
    EXPECT_EQ(s.frame.Width(), 800 * 15.0f);
    EXPECT_EQ(data->XAxis()->Design()->GetPixel(10), 500);
}

// The displayed bounds are stored before anything can fail.
// A range that cannot be scaled is stored all the same; SetScale refused for want of data to
// scale (91) changes nothing.
TEST(OrvGraphLayout, BoundsAreStoredEvenWhenScalingFailsButNotWhenRefused)
{
    struct Case {
        const char* label;
        std::function<void(OrvGraph&)> prepare;
        int32_t error;
    };
    const Case cases[] = {
        { "equal X bounds", [](OrvGraph& g) { g.Clear(); }, 0 },
        { "no current data before the first Clear", [](OrvGraph&) {}, 91 },
        { "an axis whose format the host took away",
            [](OrvGraph& g) {
                g.Clear();
                g.CurrentData()->XAxis()->Format(nullptr);
            },
            91 },
    };
    for (const auto& c : cases) {
        SitedGraph s;
        s.Init();
        c.prepare(s.graph);
        const double before = s.graph.XMin() + s.graph.XMax() + s.graph.YMax();
        EXPECT_EQ(test::ErrorOf([&] { s.graph.SetScale(5, 0, 5, 10); }), c.error) << c.label;
        EXPECT_FALSE(s.graph.Scaled()) << c.label;
        EXPECT_EQ(s.graph.XMin() + s.graph.XMax() + s.graph.YMax(), c.error ? before : 20.0)
            << c.label;
    }
}

} // namespace
