// Defaults, setter checks and notifications of the control's properties.
#include "SitedGraph.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vantrel/Error.h>

using namespace vantrel;
using vantrel::testing::SitedGraph;

namespace {

TEST(OrvGraphProperties, NewControlHoldsNothing)
{
    SitedGraph s;
    EXPECT_EQ(s.graph.DrawMode(), 0);
    EXPECT_EQ(s.graph.CircleRadius(), 0);
    EXPECT_EQ(s.graph.XGridLines(), 0);
    EXPECT_EQ(s.graph.XGridStyle(), ggsNone);
    EXPECT_FALSE(s.graph.XAxisValues());
    EXPECT_EQ(s.graph.CubicFitInterval(), 0.0);
    EXPECT_FALSE(s.graph.CurrentData());
    EXPECT_TRUE(s.container.PropertyChanges().empty());
}

TEST(OrvGraphProperties, InitPropertiesAppliesDefaultsThroughTheSetters)
{
    SitedGraph s;
    s.graph.InitProperties();
    const OrvGraph& g = s.graph;
    EXPECT_EQ(g.FrameAppearance(), gra3D);
    EXPECT_EQ(g.InsideMousePointer(), 2);
    EXPECT_EQ(g.FrameBackColor(), 0x80000005u);
    EXPECT_EQ(g.DrawMode(), 13);
    EXPECT_EQ(g.DrawWidth(), 0);
    EXPECT_EQ(g.FrameLeft(), 1200.0f);
    EXPECT_EQ(g.FrameTop(), 1200.0f);
    EXPECT_EQ(g.FrameRight(), 480.0f);
    EXPECT_EQ(g.FrameBottom(), 480.0f);
    EXPECT_EQ(g.XGridLines(), 10);
    EXPECT_EQ(g.YGridColor(), 0xC0C0C0u);
    EXPECT_EQ(g.XAxisValuePrecision(), 3);
    EXPECT_EQ(g.CircleRadius(), 3);
    EXPECT_EQ(g.CubicFitInterval(), 1.0);
    EXPECT_TRUE(g.KeepData());
    EXPECT_TRUE(g.Enabled());
    EXPECT_EQ(g.XMin(), 0.0);
    EXPECT_EQ(g.YMax(), 0.0);
    EXPECT_FALSE(g.Scaled());
    EXPECT_FALSE(g.DataLoaded());
    EXPECT_FALSE(g.Formatted());
    EXPECT_EQ(g.ZoomState(), grzOff);
    EXPECT_FALSE(g.CurrentData());

    // 48 properties, of which the two axis types notify nothing.
    const auto& changes = s.container.PropertyChanges();
    ASSERT_EQ(changes.size(), 46u);
    EXPECT_EQ(changes.front(), "FrameAppearance");
    EXPECT_EQ(changes[17], "FrameBottom");
    EXPECT_EQ(changes[18], "XGridStyle");
    EXPECT_EQ(changes.back(), "CubicFitInterval");
}

struct SilentRefusal {
    const char* label;
    std::function<void(OrvGraph&)> set;
    std::function<bool(const OrvGraph&)> unchanged;
};

TEST(OrvGraphProperties, RefusedValuesAreIgnoredWithoutNotification)
{
    const SilentRefusal cases[] = {
        { "DrawWidth -1", [](OrvGraph& g) { g.DrawWidth(-1); },
            [](const OrvGraph& g) { return g.DrawWidth() == 0; } },
        { "CircleRadius 0", [](OrvGraph& g) { g.CircleRadius(0); },
            [](const OrvGraph& g) { return g.CircleRadius() == 3; } },
        { "CircleRadius -5", [](OrvGraph& g) { g.CircleRadius(-5); },
            [](const OrvGraph& g) { return g.CircleRadius() == 3; } },
        { "XGridLines 0", [](OrvGraph& g) { g.XGridLines(0); },
            [](const OrvGraph& g) { return g.XGridLines() == 10; } },
        { "YGridLines -3", [](OrvGraph& g) { g.YGridLines(-3); },
            [](const OrvGraph& g) { return g.YGridLines() == 10; } },
        { "CubicFitInterval 0.09", [](OrvGraph& g) { g.CubicFitInterval(0.09); },
            [](const OrvGraph& g) { return g.CubicFitInterval() == 1.0; } },
        { "CubicFitInterval 10.01", [](OrvGraph& g) { g.CubicFitInterval(10.01); },
            [](const OrvGraph& g) { return g.CubicFitInterval() == 1.0; } },
        { "CubicFitInterval NaN", [](OrvGraph& g) { g.CubicFitInterval(std::nan("")); },
            [](const OrvGraph& g) { return g.CubicFitInterval() == 1.0; } },
        { "XAxisType notifies nothing", [](OrvGraph& g) { g.XAxisType(gatLog); },
            [](const OrvGraph& g) { return g.XAxisType() == gatLog; } },
    };
    for (const auto& c : cases) {
        SitedGraph s;
        s.Init();
        c.set(s.graph);
        EXPECT_TRUE(c.unchanged(s.graph)) << c.label;
        EXPECT_TRUE(s.container.PropertyChanges().empty()) << c.label;
    }
}

TEST(OrvGraphProperties, BoundaryValuesAreStoredAndNotifiedEvenWhenUnchanged)
{
    SitedGraph s;
    s.Init();
    s.graph.DrawWidth(0);
    s.graph.CubicFitInterval(0.1);
    s.graph.CubicFitInterval(10.0);
    s.graph.CircleRadius(32767);
    s.graph.XGridLines(1);
    EXPECT_EQ(s.graph.CubicFitInterval(), 10.0);
    EXPECT_EQ(s.graph.CircleRadius(), 32767);
    EXPECT_EQ(s.graph.XGridLines(), 1);
    const std::vector<std::string> expected { "DrawWidth", "CubicFitInterval", "CubicFitInterval",
        "CircleRadius", "XGridLines" };
    EXPECT_EQ(s.container.PropertyChanges(), expected);
}

struct FailingSetter {
    const char* label;
    std::function<void(OrvGraph&)> set;
    int32_t number;
};

TEST(OrvGraphProperties, ErrorsLeaveTheOldValueAndNotifyNothing)
{
    const FailingSetter cases[] = {
        { "CircleRadius 32768", [](OrvGraph& g) { g.CircleRadius(32768); }, 6 },
        { "FrameAppearance beyond 16 bits",
            [](OrvGraph& g) { g.FrameAppearance(static_cast<GraphAppearanceConstants>(70000)); },
            6 },
        { "InsideAppearance 2 refused by the picture",
            [](OrvGraph& g) { g.InsideAppearance(static_cast<GraphAppearanceConstants>(2)); },
            380 },
        { "FrameMousePointer 16", [](OrvGraph& g) { g.FrameMousePointer(16); }, 380 },
        { "InsideMousePointer -40000", [](OrvGraph& g) { g.InsideMousePointer(-40000); }, 6 },
    };
    for (const auto& c : cases) {
        SitedGraph s;
        s.Init();
        try {
            c.set(s.graph);
            ADD_FAILURE() << c.label << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), c.number) << c.label;
        }
        EXPECT_EQ(s.graph.CircleRadius(), 3) << c.label;
        EXPECT_EQ(s.graph.FrameAppearance(), gra3D) << c.label;
        EXPECT_EQ(s.graph.InsideAppearance(), gra3D) << c.label;
        EXPECT_EQ(s.graph.FrameMousePointer(), 0) << c.label;
        EXPECT_EQ(s.graph.InsideMousePointer(), 2) << c.label;
        EXPECT_TRUE(s.container.PropertyChanges().empty()) << c.label;
    }
}

TEST(OrvGraphProperties, EnabledGoesToBothPicturesAndReadsTheInsideOne)
{
    SitedGraph s;
    s.Init();
    s.graph.Enabled(false);
    EXPECT_FALSE(s.inside.Enabled());
    EXPECT_FALSE(s.frame.Enabled());
    s.frame.Enabled(true);
    EXPECT_FALSE(s.graph.Enabled());
}

TEST(OrvGraphProperties, BackColorErasesItsPictureInTheNewColour)
{
    SitedGraph s;
    s.Init();
    s.graph.InsideBackColor(0x00FF00);
    EXPECT_EQ(s.inside.ImagePixel(10, 10), 0x00FF00u);
    EXPECT_EQ(s.inside.ScreenPixel(10, 10), 0x00FF00u);
    EXPECT_FALSE(s.inside.AutoRedraw());
    s.graph.FrameBackColor(0x0000FF);
    EXPECT_EQ(s.frame.ImagePixel(5, 5), 0x0000FFu);
    EXPECT_FALSE(s.frame.AutoRedraw());
}

} // namespace
