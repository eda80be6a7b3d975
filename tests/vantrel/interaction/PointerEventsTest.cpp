// Pointer events to the host: frame pixels, plot values at single precision, the tooltip, and
// what happens when the values cannot be had.
#include "InteractionHost.h"

#include <limits>

using namespace vantrel;
using vantrel::testing::InteractionHost;

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
    const std::vector<std::string> expected
        = { "FrameMouseDown 2 1 3.5 7.25", "FrameMouseMove 6 4 300 -2", "FrameMouseUp 2 1 3.5 7.25",
              "FrameClick", "InsideMouseDown 4 2 50 75", "InsideMouseMove 4 2 50 75",
              "InsideMouseUp 4 2 50 75", "InsideClick" };
    EXPECT_EQ(t.sink.events, expected);
}

// Row 0 is YMax.
TEST(PointerEvents, ValuesArriveAtSinglePrecisionFromTheRoundedPixel)
{
    struct Row {
        const char* label;
        double xMax;
        float x;
        const char* event;
    };
    const Row rows[] = {
        { "0.1 arrives as the nearest float", 1.0, 10.0f,
            "InsideMouseDown 2 0 0.10000000149011612 100" },
        { "a half pixel rounds to even (12.5 to 12)", 100.0, 12.5f, "InsideMouseDown 2 0 12 100" },
        { "a half pixel rounds to even (13.5 to 14)", 100.0, 13.5f, "InsideMouseDown 2 0 14 100" },
        { "beyond the plot area the mapping goes on", 100.0, -30.0f,
            "InsideMouseDown 2 0 -30 100" },
    };
    for (const Row& row : rows) {
        InteractionHost t(0, 0, row.xMax, 100);
        t.sink.events.clear();
        t.host.InsideMouseDown(2, 0, row.x, 0.0f);
        EXPECT_EQ(t.sink.events, std::vector<std::string> { row.event }) << row.label;
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
    struct Row {
        const char* label;
        std::function<void(OrvGraph&)> arrange;
        float x;
        const char* xText;
    };
    const Row rows[] = {
        { "not scaled", [](OrvGraph& g) { g.SetScale(0, 0, 0, 0); }, 10, "10" },
        { "Y format taken away", [](OrvGraph& g) { g.CurrentData()->YAxis()->Format(nullptr); }, 10,
            "10" },
        { "position beyond 32 bits", [](OrvGraph&) {}, 1e30f, "1.0000000150474662e+30" },
        { "value beyond single range",
            [](OrvGraph& g) {
                g.XGridStyle(ggsNone);
                g.SetScale(0, 0, 1e300, 100);
                ASSERT_TRUE(g.Scaled());
            },
            50, "50" },
        { "not a number", [](OrvGraph&) {}, std::numeric_limits<float>::quiet_NaN(), "nan" },
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
        const std::string at = std::string(" 1 0 ") + row.xText + " 20";
        EXPECT_EQ(t.sink.events,
            (std::vector<std::string> { "InsideMouseMove" + at, "InsideMouseDown" + at }));
        EXPECT_EQ(t.host.InsideToolTipText(), "30, 70");
    }
}

} // namespace
