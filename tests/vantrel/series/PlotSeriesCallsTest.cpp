// What the control hands the plotting library for a series: passes, pens, transforms, arrays,
// interleaved halves and logarithms, seen through the recording stand-in.
#include "SeriesFixture.h"

#include <cmath>
#include <functional>
#include <gdi/Gdi.h>

namespace vantrel::seriestest {
namespace {

using Lines = std::vector<std::string>;

TEST(PlotSeriesCalls, DrawYHandsTheIntervalPairOnceWithTheFlag)
{
    RecordingPlotter plotter;
    ScaledGraph s;
    s.Graph().DrawWidth(2);
    s.Graph().DrawStyle(gdi::PS_DASH);
    const DoubleArray y = Values({ 1.0, 2.0, 3.0, 4.0 });
    s.Graph().DrawY(gdtLine, 0.0, 0.5, y, 4, 255, 255, false, false);

    EXPECT_EQ(plotter.Summary(),
        (Lines { "SetDrawMode 13", "SetPenProperties 1 2 255", "DrawGraph2 0" }));
    const PlotterCall draw = plotter.Draws().at(0);
    EXPECT_EQ(draw.x, (std::vector<double> { 0.0, 0.5 }));
    EXPECT_EQ(draw.y, y.Values());
    EXPECT_EQ(draw.ints[2], 4) << "count";
    EXPECT_EQ(draw.ints[3], 1) << "interval flag";
    EXPECT_EQ(static_cast<gdi::HDC>(draw.ints[0]), s.sited.inside.hDC())
        << "the plot picture's DC of its retained image";
    const Ref<AxisDesign> xDesign = s.Graph().CurrentData()->XAxis()->Design();
    const Ref<AxisDesign> yDesign = s.Graph().CurrentData()->YAxis()->Design();
    EXPECT_EQ(draw.doubles,
        (std::vector<double> {
            xDesign->Conv(), xDesign->Offset(), yDesign->Conv(), yDesign->Offset() }));
    EXPECT_TRUE(s.Graph().DataLoaded());
}

TEST(PlotSeriesCalls, DrawXYHandsBothArraysWithoutTheFlag)
{
    RecordingPlotter plotter;
    ScaledGraph s;
    const DoubleArray x = Values({ 1.0, 2.0, 5.0 });
    const DoubleArray y = Values({ 3.0, 1.0, 4.0 });
    s.Graph().DrawXY(gdtDiscreteLine, x, y, 3, 0x123456, 0x654321);
    const std::vector<PlotterCall> draws = plotter.Draws();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].x, x.Values());
    EXPECT_EQ(draws[0].y, y.Values());
    EXPECT_EQ(draws[0].ints[3], 0);
    EXPECT_EQ(plotter.Summary().at(1), "SetPenProperties 0 0 1193046");
}

// The passes of each graph type: the pen before every pass, the radius and the interval only
// before the passes that add circles or a fit.
TEST(PlotSeriesCalls, PassesFollowTheGraphTypeAndTheExtras)
{
    const int32_t color = 0x0000FF;
    const int32_t color2 = 0x00FF00;
    struct Row {
        const char* label;
        GraphDataTypeConstants type;
        bool cubicFit;
        bool circlePoints;
        Lines afterMainPass;
    };
    const Row rows[] = {
        { "impulse with fit and circles", gdtImpulse, true, true,
            { "SetPenProperties 0 0 0", "SetCubicFitPixelInterval 2.500000", "DrawGraph2 6",
                "SetPenProperties 0 0 65280", "SetCirclePixelRadius 4", "DrawGraph2 5" } },
        { "impulse, no extras", gdtImpulse, false, false,
            { "SetPenProperties 0 0 0", "SetPenProperties 0 0 65280" } },
        { "impulse with circles only", gdtImpulse, false, true,
            { "SetPenProperties 0 0 0", "SetPenProperties 0 0 65280", "SetCirclePixelRadius 4",
                "DrawGraph2 5" } },
        { "dotted, circles off", gdtDotted, true, false, { "SetPenProperties 0 0 65280" } },
        { "dotted with circles", gdtDotted, false, true,
            { "SetPenProperties 0 0 65280", "SetCirclePixelRadius 4", "DrawGraph2 5" } },
        { "line ignores both", gdtLine, true, true, {} },
        { "symmetric line ignores both", gdtSymmetricLine, true, true, {} },
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
        s.Graph().DrawY(row.type, 0.0, 1.0, Values({ 1.0, 5.0, 2.0 }), 3, color, color2);
        Lines expected { "SetDrawMode 13", "SetPenProperties 0 0 255",
            "DrawGraph2 " + std::to_string(row.type) };
        expected.insert(expected.end(), row.afterMainPass.begin(), row.afterMainPass.end());
        EXPECT_EQ(plotter.Summary(), expected);
        for (const PlotterCall& draw : plotter.Draws())
            EXPECT_EQ(draw.x, (std::vector<double> { 0.0, 1.0 })) << "every pass, the same series";
        EXPECT_TRUE(s.Graph().DataLoaded());
    }
}

TEST(PlotSeriesCalls, InterleavedDataPlotsTheOddHalfFirstWithTheColoursSwapped)
{
    RecordingPlotter plotter;
    for (const int32_t numPoints : { 6, 7 }) {
        SCOPED_TRACE(numPoints == 6 ? "six points" : "seven points: the seventh is ignored");
        ScaledGraph s;
        s.Graph().CirclePoints(true);
        plotter.Clear();
        const DoubleArray x = Values({ 0, 1, 2, 3, 4, 5, 6 });
        const DoubleArray y = Values({ 10, 11, 12, 13, 14, 15, 16 });
        s.Graph().DrawXY(gdtDotted, x, y, numPoints, 0x0000FF, 0x00FF00, true);

        const std::string n = std::to_string(numPoints);
        EXPECT_EQ(plotter.Summary(),
            (Lines { "DeInterleave " + n + " 3 1 2", "DeInterleave " + n + " 3 1 2",
                "SetDrawMode 13", "SetPenProperties 0 0 65280", "DrawGraph2 3",
                "SetPenProperties 0 0 255", "SetCirclePixelRadius 3", "DrawGraph2 5",
                "DeInterleave " + n + " 3 0 2", "DeInterleave " + n + " 3 0 2", "SetDrawMode 13",
                "SetPenProperties 0 0 255", "DrawGraph2 3", "SetPenProperties 0 0 65280",
                "SetCirclePixelRadius 3", "DrawGraph2 5" }));
        const std::vector<PlotterCall> draws = plotter.Draws();
        ASSERT_EQ(draws.size(), 4u);
        EXPECT_EQ(draws[0].x, (std::vector<double> { 1, 3, 5 }));
        EXPECT_EQ(draws[0].y, (std::vector<double> { 11, 13, 15 }));
        EXPECT_EQ(draws[2].x, (std::vector<double> { 0, 2, 4 }));
        EXPECT_EQ(draws[2].y, (std::vector<double> { 10, 12, 14 }));
        EXPECT_EQ(draws[2].ints[2], 3) << "count";
        EXPECT_TRUE(s.Graph().DataLoaded());
    }
}

TEST(PlotSeriesCalls, LogarithmicAxesGetLogarithmsOfCopies)
{
    RecordingPlotter plotter;
    ScaledGraph s(Bounds(1.0, 1.0, 1000.0, 1000.0), gatLinear, gatLog);
    const DoubleArray x = Values({ 1.0, 2.0, 3.0 });
    const DoubleArray y = Values({ 1.0, 100.0, 1000.0 });
    const DoubleArray yBefore = y;
    s.Graph().DrawXY(gdtLine, x, y, 3);
    s.Graph().DrawXY(gdtLine, x, y, 3);

    EXPECT_EQ(y, yBefore) << "the host's array keeps its values";
    const std::vector<PlotterCall> draws = plotter.Draws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].x, x.Values()) << "the linear axis takes the values as they are";
    EXPECT_EQ(draws[0].y, (std::vector<double> { 0.0, 2.0, 3.0 }));
    EXPECT_EQ(draws[1].y, draws[0].y) << "a second identical call hands the same";
    EXPECT_EQ(plotter.Summary().front(), "Log10Array 3");
}

TEST(PlotSeriesCalls, LogarithmicIntervalPairIsConvertedOnlyWhenNothingIsReadPastIt)
{
    RecordingPlotter plotter;
    ScaledGraph s(Bounds(1.0, 0.0, 1000.0, 10.0), gatLog, gatLinear);
    s.Graph().DrawY(gdtLine, 10.0, 100.0, Values({ 1.0, 2.0, 3.0 }), 2);
    ASSERT_EQ(plotter.Draws().size(), 1u);
    EXPECT_EQ(plotter.Draws()[0].x, (std::vector<double> { 1.0, 2.0 }))
        << "the logarithms of start and step";

    plotter.Clear();
    s.Graph().DrawY(gdtLine, 10.0, 100.0, Values({ 1.0, 2.0, 3.0 }), 3);
    EXPECT_TRUE(plotter.Draws().empty()) << "three points would read the pair as three values";
}

// Every one of these is dropped without a word: no DrawGraph2, no error, DataLoaded False.
TEST(PlotSeriesCalls, SeriesTheLibraryCannotReadAreDroppedSilently)
{
    struct Row {
        const char* label;
        GraphAxisTypeConstants yType;
        std::function<void(OrvGraph&)> draw;
    };
    const DoubleArray three = Values({ 1, 2, 3 });
    const Row rows[] = {
        { "XArray starting at index 1", gatLinear,
            [&](OrvGraph& g) {
                g.DrawXY(gdtLine, Values({ 1, 2, 3 }, 1), three, 3);
            } },
        { "YArray starting at index 1", gatLinear,
            [&](OrvGraph& g) {
                g.DrawY(gdtLine, 0, 1, Values({ 1, 2, 3 }, 1), 3);
            } },
        { "empty arrays", gatLinear, [&](OrvGraph& g) { g.DrawXY(gdtLine, {}, {}, 0); } },
        { "more points than X holds", gatLinear,
            [&](OrvGraph& g) {
                g.DrawXY(gdtLine, Values({ 1, 2 }), three, 3);
            } },
        { "more points than Y holds", gatLinear,
            [&](OrvGraph& g) { g.DrawY(gdtLine, 0, 1, three, 4); } },
        { "interleaved, one point", gatLinear,
            [&](OrvGraph& g) { g.DrawXY(gdtLine, three, three, 1, 255, 255, true); } },
        { "interleaved, no points", gatLinear,
            [&](OrvGraph& g) { g.DrawXY(gdtLine, three, three, 0, 255, 255, true); } },
        { "interleaved interval data", gatLinear,
            [&](OrvGraph& g) {
                g.DrawY(gdtLine, 0, 1, Values({ 1, 2, 3, 4 }), 4, 255, 255, true);
            } },
        { "log axis, no points", gatLog, [&](OrvGraph& g) { g.DrawXY(gdtLine, three, three, 0); } },
        { "log axis, INT32_MIN points", gatLog,
            [&](OrvGraph& g) { g.DrawXY(gdtLine, three, three, INT32_MIN); } },
        { "log axis, more points than Y holds", gatLog,
            [&](OrvGraph& g) { g.DrawXY(gdtLine, three, three, 4); } },
    };
    RecordingPlotter plotter;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ScaledGraph s(Bounds(1, 1, 10, 10), gatLinear, row.yType);
        plotter.Clear();
        EXPECT_NO_THROW(row.draw(s.Graph()));
        EXPECT_TRUE(plotter.Draws().empty());
        EXPECT_FALSE(s.Graph().DataLoaded());
        EXPECT_FALSE(s.sited.inside.AutoRedraw()) << "the refresh step still runs";
    }
}

TEST(PlotSeriesCalls, NothingHappensWhileNotScaled)
{
    RecordingPlotter plotter;
    testing::SitedGraph sited;
    sited.Init();
    ASSERT_FALSE(sited.graph.Scaled());
    sited.graph.DrawY(gdtLine, 0, 1, Values({ 1, 2 }), 2);
    EXPECT_TRUE(plotter.Calls().empty());
    EXPECT_FALSE(sited.inside.AutoRedraw());
}

TEST(PlotSeriesCalls, SystemColoursReachThePenAsTheirRgb)
{
    struct Row {
        const char* label;
        int32_t color;
        int32_t pen;
    };
    const Row rows[] = {
        { "window background", static_cast<int32_t>(0x80000005u),
            static_cast<int32_t>(gdi::TranslateColor(0x80000005u)) },
        { "plain RGB as it is", 0x00C08040, 0x00C08040 },
        { "an invalid system colour as it is", static_cast<int32_t>(0x800000FFu),
            static_cast<int32_t>(0x800000FFu) },
        { "other high bytes as they are", 0x7F000001, 0x7F000001 },
    };
    RecordingPlotter plotter;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ScaledGraph s;
        s.Graph().KeepData(true);
        plotter.Clear();
        s.Graph().DrawY(gdtLine, 0, 1, Values({ 1, 2 }), 2, row.color);
        EXPECT_EQ(plotter.Calls().at(1).ints.at(2), row.pen);
        const Ref<PanelManager> panels = s.Graph().CurrentData()->PanelList();
        EXPECT_EQ(panels->Item(1)->Data(1)->Color1(), row.color) << "retained unchanged";
    }
}

TEST(PlotSeriesCalls, RefreshFalseLeavesBothPicturesInRetainedMode)
{
    RecordingPlotter plotter;
    ScaledGraph s;
    s.Graph().DrawXY(gdtLine, Values({ 1, 2 }), Values({ 1, 2 }), 2, 255, 255, false, false);
    EXPECT_TRUE(s.sited.inside.AutoRedraw());
    EXPECT_TRUE(s.sited.frame.AutoRedraw());
    EXPECT_EQ(plotter.Draws().size(), 1u);
}

} // namespace
} // namespace vantrel::seriestest
