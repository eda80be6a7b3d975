// PlotSummarised: a retained gdtLine series drawn by the plotting library from the item's
// summary, so that a replay costs a few pyramid look-ups per pixel column instead of a read of
// every point.
//
// Which series: gdtLine items in either mode, not interleaved, on linear or logarithmic axes
// (logarithms of the values in the pyramids of the logarithms), except interval series on a
// logarithmic X axis, which PlotSeries draws from the pair alone. The library itself declines,
// before asking for anything, whatever cannot aggregate columns (wide or dashed pens,
// non-idempotent draw modes); those, and every other graph type, take PlotSeries. The pyramids
// are built on the first question, so a series that never takes this path never has one.
#include "model/SeriesSummary.h"
#include "series/PlottingLibrary.h"
#include "series/SeriesPlot.h"

#include <exception>
#include <vantrel/Error.h>
#include <vantrel/GraphData.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel::series {

namespace {

using model::SeriesSummary;
using model::SummaryAxis;

struct SummarySource {
    const XYItem_Data* item;
    bool log[2];
    XYItem_Data::ArrayView arrays[2];

    SeriesSummary::Values ValuesOf(int32_t axis) const
    {
        return SeriesSummary::Values { arrays[axis].zero, log[axis] };
    }
    const model::MinMaxPyramid& Pyramid(int32_t axis) const
    {
        if (!pyramids[axis])
            pyramids[axis] = &item->Summary().Pyramid(
                static_cast<SummaryAxis>(axis), log[axis], arrays[axis].zero, item->Length());
        return *pyramids[axis];
    }
    mutable const model::MinMaxPyramid* pyramids[2] = { nullptr, nullptr };
};

double SourceValue(void* context, int32_t axis, int64_t k)
{
    return static_cast<const SummarySource*>(context)->ValuesOf(axis)(k);
}

// The callbacks run inside the library and must not throw. Without a pyramid (no memory for
// it) they answer so that the library falls back to reading the points: a range with a NaN,
// a range that ends at once. Both stay exact.
void SourceRange(void* context, int32_t axis, int64_t begin, int64_t end, KrevoValueRange* range)
{
    const auto& source = *static_cast<const SummarySource*>(context);
    try {
        const model::ValueRange values
            = source.Pyramid(axis).Range(source.ValuesOf(axis), begin, end);
        *range = KrevoValueRange { values.lowest, values.highest, values.anyNaN ? 1 : 0 };
    } catch (const std::exception&) {
        *range = KrevoValueRange { 0.0, 0.0, 1 };
    }
}

void SourceBounds(void* context, int32_t axis, int64_t begin, int64_t end, KrevoValueBounds* bounds)
{
    const auto& source = *static_cast<const SummarySource*>(context);
    try {
        const model::MinMaxPyramid& pyramid = source.Pyramid(axis);
        // The library asks column after column: fetch what the next column of the same length
        // will read (its nodes, and the points around its end: its last point, and those it may
        // have to read beyond its whole blocks), so that it does not wait for memory then.
        const int64_t next = end + (end - begin);
        if (next < source.item->Length())
            pyramid.Prefetch(source.arrays[axis].zero, next, end - begin);
        const model::MinMaxPyramid::Bounds found = pyramid.BlockBounds(begin, end);
        const auto krevoRange = [](const model::ValueRange& range) {
            return KrevoValueRange { range.lowest, range.highest, range.anyNaN ? 1 : 0 };
        };
        *bounds = KrevoValueBounds { krevoRange(found.inner), found.innerBegin, found.innerEnd,
            { krevoRange(found.ends[0]), krevoRange(found.ends[1]) } };
    } catch (const std::exception&) {
        *bounds = KrevoValueBounds {};
    }
}

int64_t SourceRangeEnd(
    void* context, int32_t axis, int64_t begin, int64_t end, double lowest, double highest)
{
    const auto& source = *static_cast<const SummarySource*>(context);
    try {
        return source.Pyramid(axis).RangeEnd(source.ValuesOf(axis), begin, end, lowest, highest);
    } catch (const std::exception&) {
        return begin;
    }
}

} // namespace

bool PlotSummarised(platform::PictureSurface& plot, const Ref<GraphData>& data,
    const SeriesStyle& style, const XYItem_Data& XY)
{
    if (XY.GraphType() != gdtLine || XY.InterleavedData() || XY.Length() < 1 || !data
        || !XY.Plottable())
        return false;
    try {
        const PlottingFunctions& library = PlottingLibrary();
        if (!library.DrawGraphSummary)
            return false;
        const Ref<Axis> xAxis = data->XAxis();
        const Ref<Axis> yAxis = data->YAxis();
        if (!xAxis || !xAxis->Design() || !yAxis || !yAxis->Design())
            return false;
        const bool xLog = xAxis->AxisType() == gatLog;
        if (xLog && XY.UseInterval())
            return false;
        SummarySource source { &XY, { xLog, yAxis->AxisType() == gatLog },
            { XY.XView(), XY.YView() } };
        KrevoSeriesSource krevoSource {};
        krevoSource.context = &source;
        krevoSource.count = XY.Length();
        krevoSource.intervalFlag = XY.UseInterval() ? 1 : 0;
        krevoSource.xStart = XY.UseInterval() ? XY.XStart() : 0.0;
        krevoSource.xStep = XY.XInterval();
        krevoSource.x = XY.UseInterval() || xLog ? nullptr : source.arrays[0].zero;
        krevoSource.y = source.log[1] ? nullptr : source.arrays[1].zero;
        krevoSource.Value = SourceValue;
        krevoSource.Range = SourceRange;
        krevoSource.RangeEnd = SourceRangeEnd;
        krevoSource.Bounds = SourceBounds;
        krevoSource.xSorted
            = krevoSource.x && XY.Summary().XSorted(source.arrays[0].zero, XY.Length()) ? 1 : 0;

        library.SetDrawMode(style.drawMode);
        library.SetPenProperties(style.drawStyle, style.drawWidth, PlotterColor(XY.Color1()));
        const int32_t result = library.DrawGraphSummary(static_cast<int32_t>(plot.hDC()), gdtLine,
            &krevoSource, xAxis->Design()->Conv(), xAxis->Design()->Offset(),
            yAxis->Design()->Conv(), yAxis->Design()->Offset());
        return result != KrevoNotSummarised;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace vantrel::series
