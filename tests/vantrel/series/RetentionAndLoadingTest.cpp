// Retention of series with KeepData, the loading of the plotting library and its failures. The
// logarithmic copy's refusals are seen through the control in PlotSeriesCallsTest.
#include "SeriesFixture.h"

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
        EXPECT_EQ(std::tuple(xy->XArray(), xy->YArray(), xy->GraphType(), xy->Color2(),
                      xy->InterleavedData(), xy->DrawWidth(), xy->DrawStyle(), xy->DrawMode()),
            std::tuple(x, y, gdtImpulse, 0x22, true, int16_t { 2 }, gdi::PS_DOT, gdi::R2_XORPEN));
        // Color2 255 is the published default.
        EXPECT_EQ(std::tuple(interval->XStart(), interval->XInterval(), interval->Length(),
                      interval->Color2()),
            std::tuple(2.5, 0.5, 2, 255));
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

} // namespace
} // namespace vantrel::seriestest
