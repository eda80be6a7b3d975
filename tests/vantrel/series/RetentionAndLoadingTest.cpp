// Retention of series with KeepData, the loading of the plotting library and its failures, and
// the logarithmic copy of GraphModule.
#include "SeriesFixture.h"
#include "vantrel/render/GraphModule.h"

#include <cmath>
#include <limits>

namespace vantrel::seriestest {
namespace {

Ref<PanelData> KeepPanel(OrvGraph& g)
{
    const Ref<PanelManager> panels = g.CurrentData()->PanelList();
    return panels->Item(panels->Count());
}

// A library that cannot be had, one way or the other, for the lifetime of the object.
struct UnusableLibrary {
    explicit UnusableLibrary(const std::string& fileName) { SetPlottingLibrary(fileName); }
    ~UnusableLibrary() { SetPlottingLibrary("libkrevo.so"); }
};

TEST(SeriesRetention, KeepDataRetainsTheSeriesEvenWithoutALibrary)
{
    struct Row {
        const char* label;
        const char* library;
    };
    const Row rows[] = {
        { "no such file", "libvantrel-no-such-plotter.so" },
        { "a library without the functions", "libcalcora.so" },
        { "the real library", "libkrevo.so" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        UnusableLibrary library(row.library);
        ScaledGraph s;
        OrvGraph& g = s.Graph();
        g.KeepData(true);
        g.DrawWidth(2);
        g.DrawStyle(gdi::PS_DOT);
        g.DrawMode(gdi::R2_XORPEN);
        const DoubleArray x = Values({ 1, 2, 3 });
        const DoubleArray y = Values({ 4, 5, 6 });
        EXPECT_NO_THROW(g.DrawXY(gdtImpulse, x, y, 3, 0x11, 0x22, true));
        EXPECT_NO_THROW(g.DrawY(gdtCircle, 2.5, 0.5, y, 2, 0x33));

        const Ref<PanelData> keep = KeepPanel(g);
        ASSERT_EQ(keep->DataCount(), 2);
        const Ref<XYItem_Data> xy = keep->Data(1);
        EXPECT_EQ(xy->XArray(), x);
        EXPECT_EQ(xy->YArray(), y);
        EXPECT_EQ(xy->Length(), 3);
        EXPECT_EQ(xy->GraphType(), gdtImpulse);
        EXPECT_EQ(xy->Color1(), 0x11);
        EXPECT_EQ(xy->Color2(), 0x22);
        EXPECT_TRUE(xy->InterleavedData());
        EXPECT_FALSE(xy->UseInterval());
        EXPECT_EQ(xy->DrawWidth(), 2);
        EXPECT_EQ(xy->DrawStyle(), gdi::PS_DOT);
        EXPECT_EQ(xy->DrawMode(), gdi::R2_XORPEN);
        const Ref<XYItem_Data> interval = keep->Data(2);
        EXPECT_TRUE(interval->UseInterval());
        EXPECT_EQ(interval->XStart(), 2.5);
        EXPECT_EQ(interval->XInterval(), 0.5);
        EXPECT_EQ(interval->Length(), 2);
        EXPECT_EQ(interval->Color2(), 255) << "the published default";
        EXPECT_TRUE(g.Formatted()) << "the frame is drawn whatever the library does";
        EXPECT_EQ(g.DataLoaded(), std::string(row.library) == "libkrevo.so");
    }
}

TEST(SeriesRetention, NotScaledRetainsNothing)
{
    testing::SitedGraph sited;
    sited.Init();
    sited.graph.DrawXY(gdtLine, Values({ 1, 2 }), Values({ 1, 2 }), 2);
    const Ref<GraphData> data = sited.graph.CurrentData();
    EXPECT_TRUE(!data || data->PanelList()->Count() == 0);
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
    EXPECT_EQ(plotter.Draws().size(), 1u) << "a failed name does not stick to the next one";
    SetPlottingLibrary(SERIES_RECORDER_FILE);
    s.Graph().DrawY(gdtLine, 0, 1, y, 2);
    EXPECT_EQ(plotter.Draws().size(), 2u) << "naming the loaded file keeps it";
}

TEST(GetLogArray, ConvertsACopyOfTheFirstNValues)
{
    RecordingPlotter plotter;
    const DoubleArray source = Values({ 1000.0, 0.01, 1.0, 7.0 });
    const DoubleArray result = GetLogArray(source, 3);
    EXPECT_EQ(result, Values({ 3.0, -2.0, 0.0 }));
    EXPECT_EQ(source, Values({ 1000.0, 0.01, 1.0, 7.0 }));
}

TEST(GetLogArray, RefusesCountsTheSourceCannotGive)
{
    struct Row {
        const char* label;
        DoubleArray source;
        int32_t n;
        int32_t error;
    };
    const Row rows[] = {
        { "n of 0", Values({ 1, 2 }), 0, errSubscriptOutOfRange },
        { "negative n", Values({ 1, 2 }), -3, errSubscriptOutOfRange },
        { "n - 1 overflows", Values({ 1, 2 }), std::numeric_limits<int32_t>::min(), errOverflow },
        { "n beyond the source", Values({ 1, 2 }), 3, errSubscriptOutOfRange },
        { "no element 0", Values({ 1, 2 }, 1), 1, errSubscriptOutOfRange },
        { "empty source", DoubleArray(), 1, errSubscriptOutOfRange },
    };
    RecordingPlotter plotter;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        try {
            GetLogArray(row.source, row.n);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), row.error);
        }
    }
    EXPECT_TRUE(plotter.Calls().empty()) << "refused before the library is called";
}

TEST(GetLogArray, WithoutALibraryRaisesFileNotFound)
{
    UnusableLibrary missing("libvantrel-no-such-plotter.so");
    try {
        GetLogArray(Values({ 1.0 }), 1);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 53);
    }
}

} // namespace
} // namespace vantrel::seriestest
