// PlotSeries: a series handed whole to the plotting library, with the linear transform of each
// axis, in one to three passes.
//
// No per-point work happens here: the library draws from the arrays' element 0, converts
// logarithms and splits interleaved data. What is checked is that every array the library reads
// holds the values it reads, from index 0 on (an interval pair two, every other array
// NumPoints); a series that fails this is an error like any other and is dropped. So an
// interval pair is never read as a full array: a logarithmic X axis draws an interval series
// only when it has exactly two points (the pair's logarithms as start and step, the only values
// of that conversion that are defined), and interleaved interval data draws nothing.
#include "series/SeriesPlot.h"

#include "series/GraphModule.h"
#include "series/PlottingLibrary.h"

#include <algorithm>
#include <exception>
#include <vantrel/Error.h>
#include <vantrel/GraphData.h>
#include <vantrel/platform/PictureSurface.h>
#include <vector>

namespace vantrel::series {

namespace {

const AxisDesign& DesignOf(const Ref<Axis>& axis)
{
    if (!axis || !axis->Design())
        throw Error(errObjectNotSet);
    return *axis->Design();
}

using ArrayView = XYItem_Data::ArrayView;

// Index 0 must exist whatever the count, since the library receives its address.
void RequireFromZero(const ArrayView& array, int32_t count)
{
    if (array.count < std::max(count, 1))
        throw Error(errSubscriptOutOfRange);
}

// One call of the series, or of one half of an interleaved series; `plotted` becomes true
// once a series was handed whole to the library.
class SeriesPlotter {
public:
    SeriesPlotter(
        platform::PictureSurface& plot, const Ref<GraphData>& data, const SeriesStyle& style)
        : plot_(plot)
        , data_(data)
        , style_(style)
    {
    }

    bool plotted = false;

    void Plot(GraphDataTypeConstants GraphType, const ArrayView& X, const ArrayView& Y,
        int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData, bool UseInterval);

private:
    void PlotInterleaved(GraphDataTypeConstants GraphType, const ArrayView& X, const ArrayView& Y,
        int32_t NumPoints, int32_t Color, int32_t Color2, bool UseInterval);

    platform::PictureSurface& plot_;
    const Ref<GraphData>& data_;
    const SeriesStyle& style_;
};

void SeriesPlotter::Plot(GraphDataTypeConstants GraphType, const ArrayView& X, const ArrayView& Y,
    int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData, bool UseInterval)
{
    try {
        if (!data_)
            throw Error(errObjectNotSet);
        const Ref<Axis> xAxis = data_->XAxis();
        const Ref<Axis> yAxis = data_->YAxis();
        const double xConv = DesignOf(xAxis).Conv();
        const double xOffset = DesignOf(xAxis).Offset();
        const double yConv = DesignOf(yAxis).Conv();
        const double yOffset = DesignOf(yAxis).Offset();

        if (InterleavedData) {
            PlotInterleaved(GraphType, X, Y, NumPoints, Color, Color2, UseInterval);
            return;
        }

        // Logarithmic axes plot converted copies; the caller's arrays stay as they are.
        DoubleArray xLog;
        DoubleArray yLog;
        ArrayView xs = X;
        ArrayView ys = Y;
        if (xAxis->AxisType() == gatLog) {
            xLog = GetLogArray(X, NumPoints);
            xs = XYItem_Data::ViewOf(xLog);
        }
        if (yAxis->AxisType() == gatLog) {
            yLog = GetLogArray(Y, NumPoints);
            ys = XYItem_Data::ViewOf(yLog);
        }
        RequireFromZero(xs, UseInterval ? 2 : NumPoints);
        RequireFromZero(ys, NumPoints);

        const PlottingFunctions& library = PlottingLibrary();
        const int32_t intervalFlag = UseInterval ? 1 : 0;
        // The device context is fetched for every pass: the picture decides which one is live.
        const auto drawPass = [&](int32_t type) {
            library.DrawGraph2(static_cast<int32_t>(plot_.hDC()), type, xs.zero, xConv, xOffset,
                ys.zero, yConv, yOffset, NumPoints, intervalFlag);
        };
        const auto setPen = [&](int32_t color) {
            library.SetPenProperties(style_.drawStyle, style_.drawWidth, PlotterColor(color));
        };

        // The radius and the fit interval are set only before the passes that add circles or a
        // fit, never before the main pass: a gdtCircle or gdtCubicFit series draws with what
        // the library last received, from whichever control.
        library.SetDrawMode(style_.drawMode);
        setPen(Color);
        drawPass(GraphType);
        if (GraphType == gdtImpulse) {
            setPen(0);
            if (style_.cubicFit) {
                library.SetCubicFitPixelInterval(style_.cubicFitInterval);
                drawPass(gdtCubicFit);
            }
        }
        if (GraphType == gdtDotted || GraphType == gdtImpulse) {
            setPen(Color2);
            if (style_.circlePoints) {
                library.SetCirclePixelRadius(style_.circleRadius);
                drawPass(gdtCircle);
            }
        }
        plotted = true;
    } catch (const std::exception&) {
        // Dropped silently: what was drawn stays drawn.
    }
}

// Points 0, 2, 4, ... form the first series, points 1, 3, 5, ... the second; a trailing
// unpaired value is ignored. The second series is drawn first, in Color2, so that the first
// lies on top. Raises Error 9 for fewer than two points or arrays that do not hold NumPoints
// values from index 0 (an interval pair among them).
void SeriesPlotter::PlotInterleaved(GraphDataTypeConstants GraphType, const ArrayView& X,
    const ArrayView& Y, int32_t NumPoints, int32_t Color, int32_t Color2, bool UseInterval)
{
    const int32_t half = NumPoints / 2;
    if (half < 1)
        throw Error(errSubscriptOutOfRange);
    RequireFromZero(X, NumPoints);
    RequireFromZero(Y, NumPoints);
    const PlottingFunctions& library = PlottingLibrary();
    // One pair of half-length arrays serves both halves: the nested Plot keeps nothing.
    DoubleArray xHalf(std::vector<double>(static_cast<std::size_t>(half)));
    DoubleArray yHalf(std::vector<double>(static_cast<std::size_t>(half)));

    const ArrayView xView = XYItem_Data::ViewOf(xHalf);
    const ArrayView yView = XYItem_Data::ViewOf(yHalf);

    library.DeInterleave(X.zero, NumPoints, xHalf.Data(), half, 1, 2);
    library.DeInterleave(Y.zero, NumPoints, yHalf.Data(), half, 1, 2);
    Plot(GraphType, xView, yView, half, Color2, Color, false, UseInterval);

    library.DeInterleave(X.zero, NumPoints, xHalf.Data(), half, 0, 2);
    library.DeInterleave(Y.zero, NumPoints, yHalf.Data(), half, 0, 2);
    Plot(GraphType, xView, yView, half, Color, Color2, false, UseInterval);
}

} // namespace

bool PlotSeries(platform::PictureSurface& plot, const Ref<GraphData>& data,
    const SeriesStyle& style, GraphDataTypeConstants GraphType, const ArrayView& X,
    const ArrayView& Y, int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData,
    bool UseInterval)
{
    SeriesPlotter plotter(plot, data, style);
    plotter.Plot(GraphType, X, Y, NumPoints, Color, Color2, InterleavedData, UseInterval);
    return plotter.plotted;
}

} // namespace vantrel::series
