// Pointer events to the host: frame pixels, plot values at single precision, the tooltip, and
// what happens when the values cannot be had.
#include "InteractionHost.h"

#include <cmath>
#include <limits>

using namespace vantrel;
using vantrel::testing::InteractionHost;
using vantrel::testing::RecordedEvent;

namespace {

TEST(PointerEvents, EveryEventReachesTheHostWithItsArgumentsUnchanged)
{
    InteractionHost t;
    t.sink.events.clear();
    t.host.FrameMouseDown(2, 1, 3.5f, 7.25f);
    t.host.FrameMouseMove(6, 4, 300.0f, -2.0f);
    t.host.FrameMouseUp(2, 1, 3.5f, 7.25f);
    t.host.FrameClick();
    t.host.InsideMouseDown(4, 2, 50.0f, 25.0f);
    t.host.InsideMouseMove(4, 2, 50.0f, 25.0f);
    t.host.InsideMouseUp(4, 2, 50.0f, 25.0f);
    t.host.InsideClick();

    struct Expected {
        const char* name;
        int16_t button;
        int16_t shift;
        double x;
        double y;
    };
    // Frame events carry frame pixels although the axes are scaled; plot events carry values.
    const Expected expected[] = {
        { "FrameMouseDown", 2, 1, 3.5, 7.25 },
        { "FrameMouseMove", 6, 4, 300.0, -2.0 },
        { "FrameMouseUp", 2, 1, 3.5, 7.25 },
        { "FrameClick", 0, 0, 0.0, 0.0 },
        { "InsideMouseDown", 4, 2, 50.0, 75.0 },
        { "InsideMouseMove", 4, 2, 50.0, 75.0 },
        { "InsideMouseUp", 4, 2, 50.0, 75.0 },
        { "InsideClick", 0, 0, 0.0, 0.0 },
    };
    ASSERT_EQ(t.sink.events.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const RecordedEvent& got = t.sink.events[i];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(got.name, expected[i].name);
        EXPECT_EQ(got.button, expected[i].button);
        EXPECT_EQ(got.shift, expected[i].shift);
        EXPECT_EQ(got.x, expected[i].x);
        EXPECT_EQ(got.y, expected[i].y);
    }
}

TEST(PointerEvents, ValuesArriveAtSinglePrecisionFromTheRoundedPixel)
{
    struct Row {
        const char* label;
        double xMax;
        float x;
        double expectedX;
    };
    const Row rows[] = {
        { "0.1 arrives as the nearest float", 1.0, 10.0f, 0.10000000149011612 },
        { "pixel 50 of 0..100 is 50", 100.0, 50.0f, 50.0 },
        { "a half pixel rounds to even (12.5 to 12)", 100.0, 12.5f, 12.0 },
        { "a half pixel rounds to even (13.5 to 14)", 100.0, 13.5f, 14.0 },
        { "beyond the plot area the mapping goes on", 100.0, -30.0f, -30.0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        InteractionHost t(0, 0, row.xMax, 100);
        t.sink.events.clear();
        t.host.InsideMouseDown(2, 0, row.x, 0.0f);
        ASSERT_EQ(t.sink.events.size(), 1u);
        EXPECT_EQ(t.sink.events[0].x, row.expectedX);
        EXPECT_EQ(t.sink.events[0].y, 100.0) << "row 0 is YMax";
    }
}

TEST(PointerEvents, ToolTipShowsTheValuesWithTheirUnitsOnEveryMove)
{
    struct Row {
        const char* label;
        bool xTip;
        bool yTip;
        const char* xUnits;
        const char* yUnits;
        const char* expected;
    };
    const Row rows[] = {
        { "both, no units", true, true, "", "", "50, 75" },
        { "both, with units", true, true, "s", "V", "50 s, 75 V" },
        { "X alone, no comma", true, false, "s", "V", "50 s" },
        { "Y alone", false, true, "s", "V", "75 V" },
        { "neither: empty", false, false, "s", "V", "" },
        { "only outer spaces trimmed", true, true, " s ", "  ", "50  s, 75" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        InteractionHost t;
        OrvGraph& g = t.Graph();
        g.XAxisToolTip(row.xTip);
        g.YAxisToolTip(row.yTip);
        g.XAxisUnits(row.xUnits);
        g.YAxisUnits(row.yUnits);
        g.SetScale(0, 0, 100, 100); // formats take effect at the next layout
        // Buttons do not matter for the read-out: the right button held, then none.
        t.host.InsideMouseMove(2, 0, 10.0f, 10.0f);
        t.host.InsideMouseMove(0, 0, 50.0f, 25.0f);
        EXPECT_EQ(t.host.InsideToolTipText(), row.expected);
    }
}

TEST(PointerEvents, ToolTipUsesTheValueFormatOfEachAxis)
{
    InteractionHost t(0, 0, 5000, 0.001);
    t.Graph().XAxisValueFormat(gavPrefix);
    t.Graph().XAxisUnits("Hz");
    t.Graph().YAxisValueFormat(gavScientific);
    t.Graph().YAxisValuePrecision(2);
    t.Graph().SetScale(0, 0, 5000, 0.001);
    t.host.InsideMouseMove(0, 0, 50.0f, 50.0f);
    EXPECT_EQ(t.host.InsideToolTipText(), "2.5 KHz, 5E-4");
}

// When the values cannot be had the event still arrives, carrying the pixel position, and the
// tooltip keeps its last text.
TEST(PointerEvents, WithoutValuesTheEventCarriesPixelsAndTheToolTipStays)
{
    const float huge = 1e30f;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Row {
        const char* label;
        std::function<void(InteractionHost&)> arrange;
        float x;
        float y;
    };
    const Row rows[] = {
        { "not scaled", [](InteractionHost& t) { t.Graph().SetScale(0, 0, 0, 0); }, 10, 20 },
        { "X format taken away",
            [](InteractionHost& t) { t.Graph().CurrentData()->XAxis()->Format(nullptr); }, 10, 20 },
        { "Y format taken away",
            [](InteractionHost& t) { t.Graph().CurrentData()->YAxis()->Format(nullptr); }, 10, 20 },
        { "position beyond 32 bits", [](InteractionHost&) {}, huge, 20 },
        { "value beyond single range",
            [](InteractionHost& t) {
                t.Graph().XGridStyle(ggsNone);
                t.Graph().SetScale(0, 0, 1e300, 100);
                ASSERT_TRUE(t.Graph().Scaled());
            },
            50, 20 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        InteractionHost t;
        t.host.InsideMouseMove(0, 0, 30.0f, 30.0f);
        ASSERT_EQ(t.host.InsideToolTipText(), "30, 70");
        row.arrange(t);
        t.sink.events.clear();
        t.host.InsideMouseMove(1, 0, row.x, row.y);
        t.host.InsideMouseDown(1, 0, row.x, row.y);
        ASSERT_EQ(t.sink.events.size(), 2u);
        EXPECT_EQ(t.sink.events[0].x, static_cast<double>(row.x));
        EXPECT_EQ(t.sink.events[1].y, static_cast<double>(row.y));
        EXPECT_EQ(t.host.InsideToolTipText(), "30, 70");
    }
    InteractionHost t;
    t.sink.events.clear();
    t.host.InsideMouseMove(0, 0, nan, nan);
    ASSERT_EQ(t.sink.events.size(), 1u);
    EXPECT_TRUE(std::isnan(t.sink.events[0].x));
}

TEST(PointerEvents, BeforeTheFirstClearTheEventCarriesPixels)
{
    HeadlessHost host(216, 216);
    vantrel::testing::RecordingSink sink;
    host.InitNew();
    host.Graph().SetEventSink(&sink);
    host.InsideMouseDown(1, 0, 10.0f, 20.0f);
    host.InsideMouseMove(1, 0, 11.0f, 20.0f);
    ASSERT_EQ(sink.events.size(), 2u);
    EXPECT_EQ(sink.events[1].x, 11.0);
    EXPECT_EQ(sink.events[1].y, 20.0);
    EXPECT_EQ(host.InsideToolTipText(), "");
}

} // namespace
