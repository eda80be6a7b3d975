// What the control hands the plotting library for a series: passes, pens, arrays, interleaved
// halves and logarithms, seen through the recording stand-in.
#include "SeriesFixture.h"

#include <functional>
#include <gdi/Gdi.h>

namespace vantrel::seriestest {
namespace {

TEST(PlotSeriesCalls, HandTheLibraryTheSeriesAsItIsMeant)
{
    struct Row {
        const char* label;
        GraphAxisTypeConstants xType, yType;
        std::function<void(OrvGraph&)> draw;
        Lines calls, series;
    };
    const DoubleArray hostY = Values({ 1, 100, 1000 });
    constexpr int32_t windowColor = static_cast<int32_t>(0x80000005u);
    const auto windowRgb = static_cast<int32_t>(gdi::TranslateColor(0x80000005u));
    const Row rows[] = {
        { "DrawY: the interval pair once, flag 1", gatLinear, gatLinear,
            [](OrvGraph& g) {
                g.DrawWidth(2);
                g.DrawStyle(gdi::PS_DASH);
                g.DrawY(gdtLine, 0.0, 0.5, Values({ 1, 2, 3, 4 }), 4);
            },
            { "SetDrawMode 13", "SetPenProperties 1 2 255", "DrawGraph2 0 4 1" },
            { "x=0 0.5 y=1 2 3 4" } },
        { "DrawXY: both arrays, flag 0; a system colour as its RGB", gatLinear, gatLinear,
            [](OrvGraph& g) {
                g.DrawXY(gdtDiscreteLine, Values({ 1, 2, 5 }), Values({ 3, 1, 4 }), 3, windowColor);
            },
            { "SetDrawMode 13", "SetPenProperties 0 0 " + std::to_string(windowRgb),
                "DrawGraph2 1 3 0" },
            { "x=1 2 5 y=3 1 4" } },
        { "interleaved: odd half first, colours swapped, the seventh point ignored", gatLinear,
            gatLinear,
            [](OrvGraph& g) {
                g.CirclePoints(true);
                g.DrawXY(gdtDotted, Values({ 0, 1, 2, 3, 4, 5, 6 }),
                    Values({ 10, 11, 12, 13, 14, 15, 16 }), 7, 0x0000FF, 0x00FF00, true);
            },
            { "DeInterleave 7 3 1 2", "DeInterleave 7 3 1 2", "SetDrawMode 13",
                "SetPenProperties 0 0 65280", "DrawGraph2 3 3 0", "SetPenProperties 0 0 255",
                "SetCirclePixelRadius 3", "DrawGraph2 5 3 0", "DeInterleave 7 3 0 2",
                "DeInterleave 7 3 0 2", "SetDrawMode 13", "SetPenProperties 0 0 255",
                "DrawGraph2 3 3 0", "SetPenProperties 0 0 65280", "SetCirclePixelRadius 3",
                "DrawGraph2 5 3 0" },
            { "x=1 3 5 y=11 13 15", "x=1 3 5 y=11 13 15", "x=0 2 4 y=10 12 14",
                "x=0 2 4 y=10 12 14" } },
        { "log Y: logarithms of a copy", gatLinear, gatLog,
            [&](OrvGraph& g) {
                g.DrawXY(gdtLine, Values({ 1, 2, 3 }), hostY, 3);
            },
            { "Log10Array 3", "SetDrawMode 13", "SetPenProperties 0 0 255", "DrawGraph2 0 3 0" },
            { "x=1 2 3 y=0 2 3" } },
        { "log X interval of two points: logarithms of start and step", gatLog, gatLinear,
            [](OrvGraph& g) {
                g.DrawY(gdtLine, 10, 100, Values({ 1, 2, 3 }), 2);
            },
            { "Log10Array 2", "SetDrawMode 13", "SetPenProperties 0 0 255", "DrawGraph2 0 2 1" },
            { "x=1 2 y=1 2" } },
    };
    RecordingPlotter plotter;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ScaledGraph s({ 1, 1000, 1, 1000 }, row.xType, row.yType);
        plotter.Clear();
        row.draw(s.Graph());
        EXPECT_EQ(plotter.Calls(), row.calls);
        EXPECT_EQ(plotter.Series(), row.series);
        EXPECT_TRUE(s.Graph().DataLoaded());
    }
    EXPECT_EQ(hostY, Values({ 1, 100, 1000 })) << "the host's array keeps its values";
}

// The passes of each graph type: the pen before every pass, the radius and the interval only
// before the passes that add circles or a fit; every pass plots the same series. The golden
// images show every type with both extras on.
TEST(PlotSeriesCalls, PassesFollowTheGraphTypeAndTheExtras)
{
    struct Row {
        const char* label;
        GraphDataTypeConstants type;
        bool cubicFit, circlePoints;
        Lines afterMainPass;
    };
    const Row rows[] = {
        { "impulse with fit and circles", gdtImpulse, true, true,
            { "SetPenProperties 0 0 0", "SetCubicFitPixelInterval 2.5", "DrawGraph2 6 3 1",
                "SetPenProperties 0 0 65280", "SetCirclePixelRadius 4", "DrawGraph2 5 3 1" } },
        { "impulse, no extras", gdtImpulse, false, false,
            { "SetPenProperties 0 0 0", "SetPenProperties 0 0 65280" } },
        { "dotted, circles off", gdtDotted, true, false, { "SetPenProperties 0 0 65280" } },
        { "circle keeps the library's radius", gdtCircle, true, true, {} },
        { "cubic fit keeps the library's interval", gdtCubicFit, true, true, {} },
        { "an unknown type is handed on", static_cast<GraphDataTypeConstants>(99), true, true, {} },
    };
    RecordingPlotter plotter;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ScaledGraph s;
        s.Graph().CubicFit(row.cubicFit);
        s.Graph().CirclePoints(row.circlePoints);
        s.Graph().CircleRadius(4);
        s.Graph().CubicFitInterval(2.5);
        plotter.Clear();
        s.Graph().DrawY(row.type, 0.0, 1.0, Values({ 1.0, 5.0, 2.0 }), 3, 0x0000FF, 0x00FF00);
        Lines expected { "SetDrawMode 13", "SetPenProperties 0 0 255",
            "DrawGraph2 " + std::to_string(row.type) + " 3 1" };
        expected.insert(expected.end(), row.afterMainPass.begin(), row.afterMainPass.end());
        EXPECT_EQ(plotter.Calls(), expected);
        EXPECT_EQ(plotter.Series(), Lines(plotter.Series().size(), "x=0 1 y=1 5 2"));
    }
}

// Every one of these is dropped without a word: no DrawGraph2, no error, DataLoaded False, and
// the refresh step still runs. An interval series (DrawY) starts at 10 with a step of 100.
TEST(PlotSeriesCalls, SeriesTheLibraryCannotReadAreDroppedSilently)
{
    struct Row {
        const char* label;
        GraphAxisTypeConstants xType, yType;
        bool interval;
        DoubleArray x, y;
        int32_t numPoints;
        bool interleaved;
    };
    const GraphAxisTypeConstants lin = gatLinear;
    const DoubleArray three = Values({ 1, 2, 3 });
    const Row rows[] = {
        { "XArray starting at index 1", lin, lin, false, Values({ 1, 2, 3 }, 1), three, 3, false },
        { "YArray starting at index 1", lin, lin, true, {}, Values({ 1, 2, 3 }, 1), 3, false },
        { "empty arrays", lin, lin, false, {}, {}, 0, false },
        { "more points than X holds", lin, lin, false, Values({ 1, 2 }), three, 3, false },
        { "more points than Y holds", lin, lin, true, {}, three, 4, false },
        { "interleaved, one point", lin, lin, false, three, three, 1, true },
        { "interleaved interval data", lin, lin, true, {}, Values({ 1, 2, 3, 4 }), 4, true },
        { "log axis, no points", lin, gatLog, false, three, three, 0, false },
        { "log axis, INT32_MIN points", lin, gatLog, false, three, three, INT32_MIN, false },
        { "log axis, more points than Y holds", lin, gatLog, false, three, three, 4, false },
        { "log X interval of three points: the pair read as three values", gatLog, lin, true, {},
            three, 3, false },
    };
    RecordingPlotter plotter;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ScaledGraph s({ 1, 1000, 1, 1000 }, row.xType, row.yType);
        OrvGraph& g = s.Graph();
        plotter.Clear();
        if (row.interval)
            EXPECT_NO_THROW(
                g.DrawY(gdtLine, 10, 100, row.y, row.numPoints, 255, 255, row.interleaved));
        else
            EXPECT_NO_THROW(
                g.DrawXY(gdtLine, row.x, row.y, row.numPoints, 255, 255, row.interleaved));
        EXPECT_TRUE(plotter.Series().empty());
        EXPECT_FALSE(g.DataLoaded());
        EXPECT_FALSE(s.sited.inside.AutoRedraw());
    }
}

// Fault: an array with a negative lower bound was plotted from its first element instead of
// from element 0, in the plain, interleaved and logarithmic paths alike.
TEST(PlotSeriesCalls, FaultNegativeLowerBoundPlotsFromElementZero)
{
    // Elements -3 .. 4; elements 0 .. 4 are 1 9 2 8 3.
    const DoubleArray y = Values({ 5, 5, 5, 1, 9, 2, 8, 3 }, -3);
    const DoubleArray x = Values({ 7, 7, 7, 10, 20, 30, 40, 50 }, -3);
    const DoubleArray yLog = Values({ 5, 5, 1, 10, 100 }, -2);
    struct Row {
        const char* label;
        GraphAxisTypeConstants yType;
        std::function<void(OrvGraph&)> draw;
        Lines series;
    };
    const Row rows[] = {
        { "DrawY", gatLinear, [&](OrvGraph& g) { g.DrawY(gdtLine, 0, 1, y, 5); },
            { "x=0 1 y=1 9 2 8 3" } },
        { "DrawXY", gatLinear, [&](OrvGraph& g) { g.DrawXY(gdtLine, x, y, 5); },
            { "x=10 20 30 40 50 y=1 9 2 8 3" } },
        { "interleaved", gatLinear, [&](OrvGraph& g) { g.DrawXY(gdtLine, x, y, 4, 0, 0, true); },
            { "x=20 40 y=9 8", "x=10 30 y=1 2" } },
        { "logarithmic", gatLog, [&](OrvGraph& g) { g.DrawY(gdtLine, 0, 1, yLog, 3); },
            { "x=0 1 y=0 1 2" } },
        { "retained item", gatLinear,
            [&](OrvGraph& g) { g.DrawFromSource(PanelData().CreateData(x, y, 5, gdtLine)); },
            { "x=10 20 30 40 50 y=1 9 2 8 3" } },
    };
    RecordingPlotter plotter;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ScaledGraph s({ 1, 1000, 1, 1000 }, gatLinear, row.yType);
        plotter.Clear();
        row.draw(s.Graph());
        EXPECT_EQ(plotter.Series(), row.series);
    }
}

} // namespace
} // namespace vantrel::seriestest
