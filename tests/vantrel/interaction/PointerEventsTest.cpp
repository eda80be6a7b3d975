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
    // Frame events carry frame pixels although the axes are scaled; plot events carry values.
    const std::vector<RecordedEvent> expected = {
        { "FrameMouseDown", 2, 1, 3.5, 7.25 },
        { "FrameMouseMove", 6, 4, 300.0, -2.0 },
        { "FrameMouseUp", 2, 1, 3.5, 7.25 },
        { "FrameClick" },
        { "InsideMouseDown", 4, 2, 50.0, 75.0 },
        { "InsideMouseMove", 4, 2, 50.0, 75.0 },
        { "InsideMouseUp", 4, 2, 50.0, 75.0 },
        { "InsideClick" },
    };
    EXPECT_EQ(t.sink.events, expected);
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
        { "a half pixel rounds to even (12.5 to 12)", 100.0, 12.5f, 12.0 },
        { "a half pixel rounds to even (13.5 to 14)", 100.0, 13.5f, 14.0 },
        { "beyond the plot area the mapping goes on", 100.0, -30.0f, -30.0 },
    };
    for (const Row& row : rows) {
        InteractionHost t(0, 0, row.xMax, 100);
        t.sink.events.clear();
        t.host.InsideMouseDown(2, 0, row.x, 0.0f);
        ASSERT_EQ(t.sink.events.size(), 1u) << row.label;
        EXPECT_EQ(t.sink.events[0].x, row.expectedX) << row.label;
        EXPECT_EQ(t.sink.events[0].y, 100.0) << row.label << ": row 0 is YMax";
    }
}

TEST(PointerEvents, ToolTipShowsTheValuesWithTheirUnitsOnEveryMove)
{
    struct Row {
        const char* label;
        bool xTip, yTip;
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
        EXPECT_EQ(t.host.InsideToolTipText(), row.expected) << row.label;
    }
}

// When the values cannot be had the event still arrives, carrying the pixel position, and the
// tooltip keeps its last text.
TEST(PointerEvents, WithoutValuesTheEventCarriesPixelsAndTheToolTipStays)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Row {
        const char* label;
        std::function<void(OrvGraph&)> arrange;
        float x;
    };
    const Row rows[] = {
        { "not scaled", [](OrvGraph& g) { g.SetScale(0, 0, 0, 0); }, 10 },
        { "X format taken away", [](OrvGraph& g) { g.CurrentData()->XAxis()->Format(nullptr); },
            10 },
        { "Y format taken away", [](OrvGraph& g) { g.CurrentData()->YAxis()->Format(nullptr); },
            10 },
        { "position beyond 32 bits", [](OrvGraph&) {}, 1e30f },
        { "value beyond single range",
            [](OrvGraph& g) {
                g.XGridStyle(ggsNone);
                g.SetScale(0, 0, 1e300, 100);
                ASSERT_TRUE(g.Scaled());
            },
            50 },
        { "not a number", [](OrvGraph&) {}, nan },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        InteractionHost t;
        t.host.InsideMouseMove(0, 0, 30.0f, 30.0f);
        ASSERT_EQ(t.host.InsideToolTipText(), "30, 70");
        row.arrange(t.Graph());
        t.sink.events.clear();
        t.host.InsideMouseMove(1, 0, row.x, 20.0f);
        t.host.InsideMouseDown(1, 0, row.x, 20.0f);
        ASSERT_EQ(t.sink.events.size(), 2u);
        const double x = t.sink.events[0].x;
        EXPECT_TRUE(x == row.x || (std::isnan(x) && std::isnan(row.x))) << x;
        EXPECT_EQ(t.sink.events[1].y, 20.0);
        EXPECT_EQ(t.host.InsideToolTipText(), "30, 70");
    }
}

} // namespace
