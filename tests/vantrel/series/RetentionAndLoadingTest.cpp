// Retention of series with KeepData, the loading of the plotting library and its failures, and
// the logarithmic copy of GraphModule.
#include "SeriesFixture.h"
#include "vantrel/series/GraphModule.h"

#include <limits>

namespace vantrel::seriestest {
namespace {

// A missing file, one without the functions, and the real library: the series are retained
// with the control's pen of the moment and the frame is drawn whatever the library does.
TEST(SeriesRetention, KeepDataRetainsTheSeriesEvenWithoutALibrary)
{
    const DoubleArray x = Values({ 1, 2, 3 });
    const DoubleArray y = Values({ 4, 5, 6 });
    for (const std::string library :
        { "libvantrel-no-such-plotter.so", "libcalcora.so", "libkrevo.so" }) {
        SCOPED_TRACE(library);
        UnusableLibrary use(library);
        ScaledGraph s;
        OrvGraph& g = s.Graph();
        g.KeepData(true);
        g.DrawWidth(2);
        g.DrawStyle(gdi::PS_DOT);
        g.DrawMode(gdi::R2_XORPEN);
        g.DrawXY(gdtImpulse, x, y, 3, 0x11, 0x22, true);
        g.DrawY(gdtCircle, 2.5, 0.5, y, 2, 0x33);

        const Ref<PanelData> keep = g.CurrentData()->PanelList()->Item(1);
        ASSERT_EQ(keep->DataCount(), 2);
        const Ref<XYItem_Data> xy = keep->Data(1);
        const Ref<XYItem_Data> interval = keep->Data(2);
        EXPECT_EQ(xy->XArray(), x);
        EXPECT_EQ(xy->YArray(), y);
        EXPECT_EQ(std::vector<int32_t>({ xy->Length(), xy->GraphType(), xy->Color1(), xy->Color2(),
                      xy->InterleavedData(), xy->UseInterval(), xy->DrawWidth(), xy->DrawStyle(),
                      xy->DrawMode() }),
            std::vector<int32_t>(
                { 3, gdtImpulse, 0x11, 0x22, true, false, 2, gdi::PS_DOT, gdi::R2_XORPEN }));
        EXPECT_EQ(
            std::vector({ interval->XStart(), interval->XInterval() }), std::vector({ 2.5, 0.5 }));
        // Color2 255 is the published default.
        EXPECT_EQ(std::vector<int32_t>(
                      { interval->UseInterval(), interval->Length(), interval->Color2() }),
            std::vector<int32_t>({ true, 2, 255 }));
        EXPECT_TRUE(g.Formatted());
        EXPECT_EQ(g.DataLoaded(), library == "libkrevo.so");
    }
}

TEST(SeriesRetention, NothingHappensWhileNotScaled)
{
    RecordingPlotter plotter;
    testing::SitedGraph sited;
    sited.Init();
    sited.graph.DrawXY(gdtLine, Values({ 1, 2 }), Values({ 1, 2 }), 2);
    EXPECT_TRUE(plotter.Calls().empty());
    EXPECT_FALSE(sited.inside.AutoRedraw());
    EXPECT_FALSE(sited.graph.CurrentData()) << "nothing retained";
}

TEST(PlottingLibraryLoading, AnotherNameUnloadsAndTheNextUseLoadsIt)
{
    ScaledGraph s;
    const DoubleArray y = Values({ 1, 2 });
    {
        UnusableLibrary missing("libvantrel-no-such-plotter.so");
        s.Graph().DrawY(gdtLine, 0, 1, y, 2);
        EXPECT_FALSE(s.Graph().DataLoaded());
    }
    RecordingPlotter plotter;
    s.Graph().DrawY(gdtLine, 0, 1, y, 2);
    EXPECT_EQ(plotter.Series().size(), 1u) << "a failed name does not stick to the next one";
    SetPlottingLibrary(SERIES_RECORDER_FILE);
    s.Graph().DrawY(gdtLine, 0, 1, y, 2);
    EXPECT_EQ(plotter.Series().size(), 2u) << "naming the loaded file keeps it";
}

// Counts the source cannot give are refused before the library is called; without a library
// the call raises 53.
TEST(GetLogArray, ConvertsACopyOfTheFirstNValuesOrRaises)
{
    const auto errorOf = [](const DoubleArray& source, int32_t n) {
        try {
            GetLogArray(source, n);
        } catch (const Error& e) {
            return e.Number();
        }
        return 0;
    };
    const DoubleArray two = Values({ 1, 2 });
    {
        RecordingPlotter plotter;
        const DoubleArray source = Values({ 1000.0, 0.01, 1.0, 7.0 });
        EXPECT_EQ(GetLogArray(source, 3), Values({ 3.0, -2.0, 0.0 }));
        EXPECT_EQ(source, Values({ 1000.0, 0.01, 1.0, 7.0 }));
        plotter.Clear();
        EXPECT_EQ(errorOf(two, 0), errSubscriptOutOfRange) << "n of 0";
        EXPECT_EQ(errorOf(two, -3), errSubscriptOutOfRange) << "negative n";
        EXPECT_EQ(errorOf(two, std::numeric_limits<int32_t>::min()), errOverflow) << "n - 1";
        EXPECT_EQ(errorOf(two, 3), errSubscriptOutOfRange) << "n beyond the source";
        EXPECT_EQ(errorOf(Values({ 1, 2 }, 1), 1), errSubscriptOutOfRange) << "no element 0";
        EXPECT_TRUE(plotter.Calls().empty());
    }
    UnusableLibrary missing("libvantrel-no-such-plotter.so");
    EXPECT_EQ(errorOf(Values({ 1.0 }), 1), 53);
}

} // namespace
} // namespace vantrel::seriestest
