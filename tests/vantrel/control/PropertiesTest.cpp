// Defaults, setter checks and notifications of the control's properties.
#include "SitedGraph.h"
#include "vantrel/ErrorOf.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace vantrel;
using vantrel::testing::PersistedEntries;
using vantrel::testing::SitedGraph;

namespace {

// Every persisted property at its default: a bag that leaves out defaults stores nothing.
TEST(OrvGraphProperties, InitPropertiesAppliesDefaultsThroughTheSetters)
{
    SitedGraph s;
    s.graph.InitProperties();
    EXPECT_TRUE(PersistedEntries(s.graph).empty());
    EXPECT_FALSE(s.graph.Scaled() || s.graph.CurrentData());
}

// Calls that must change no property and notify nothing: refused silently (error 0) or with
// an error.
struct Refusal {
    const char* label;
    std::function<void(OrvGraph&)> call;
    int32_t error;
};

TEST(OrvGraphProperties, RefusedValuesChangeNothingAndNotifyNothing)
{
    const auto appearance = [](int32_t v) { return static_cast<GraphAppearanceConstants>(v); };
    const Refusal cases[] = {
        { "DrawWidth -1", [](OrvGraph& g) { g.DrawWidth(-1); }, 0 },
        { "CircleRadius 0", [](OrvGraph& g) { g.CircleRadius(0); }, 0 },
        { "XGridLines 0", [](OrvGraph& g) { g.XGridLines(0); }, 0 },
        { "CubicFitInterval 0.09", [](OrvGraph& g) { g.CubicFitInterval(0.09); }, 0 },
        { "CubicFitInterval 10.01", [](OrvGraph& g) { g.CubicFitInterval(10.01); }, 0 },
        { "CubicFitInterval NaN", [](OrvGraph& g) { g.CubicFitInterval(std::nan("")); }, 0 },
        { "CircleRadius 32768", [](OrvGraph& g) { g.CircleRadius(32768); }, 6 },
        { "FrameAppearance 70000", [&](OrvGraph& g) { g.FrameAppearance(appearance(70000)); }, 6 },
        { "InsideAppearance 2", [&](OrvGraph& g) { g.InsideAppearance(appearance(2)); }, 380 },
        { "FrameMousePointer 16", [](OrvGraph& g) { g.FrameMousePointer(16); }, 380 },
    };
    for (const auto& c : cases) {
        SitedGraph s;
        s.Init();
        const auto before = PersistedEntries(s.graph);
        EXPECT_EQ(test::ErrorOf([&] { c.call(s.graph); }), c.error) << c.label;
        EXPECT_EQ(PersistedEntries(s.graph), before) << c.label;
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
    s.graph.XAxisType(gatLog); // stored, but the axis types notify nothing
    EXPECT_EQ(std::tuple(s.graph.CubicFitInterval(), s.graph.CircleRadius(), s.graph.XGridLines()),
        std::tuple(10.0, 32767, 1));
    const std::vector<std::string> expected { "DrawWidth", "CubicFitInterval", "CubicFitInterval",
        "CircleRadius", "XGridLines" };
    EXPECT_EQ(s.container.PropertyChanges(), expected);
}

// Fault found by the call-sequence fuzzer: a margin whose sum with its opposite overflows raised
// 6 with the margin already stored. Now it is refused with nothing changed, unannounced. (The same
// fault in SetScale without data, 91, is a row of OrvGraphLayout.BoundsAreStored....)
TEST(OrvGraphProperties, FaultRefusedMarginsChangeNothing)
{
    SitedGraph s;
    s.Init();
    s.graph.FrameRight(3e38f);
    s.container.ClearPropertyChanges();
    EXPECT_EQ(test::ErrorOf([&] { s.graph.FrameLeft(3e38f); }), 6);
    EXPECT_EQ(s.graph.FrameLeft(), 1200.0f);
    EXPECT_TRUE(s.container.PropertyChanges().empty());
}

} // namespace
