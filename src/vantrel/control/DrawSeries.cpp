// The public series methods DrawY and DrawXY: retention, the frame, plotting and presenting.
#include "control/OrvGraphImpl.h"
#include "series/SeriesPlot.h"

#include <vantrel/platform/PictureSurface.h>
#include <vector>

namespace vantrel {

// Unlike the figure methods, a series is retained before the frame is drawn and before it is
// plotted, and whatever the plotting then does. Retention copies the arrays (the one copy a
// series costs with KeepData on) and, like PanelData::CreateData, raises Error 9 for a NumPoints
// the arrays cannot hold; that error reaches the host, the pictures staying in retained mode.

void OrvGraph::Impl::DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
    const DoubleArray& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool bRefresh)
{
    if (!scaled_)
        return;
    BeginDrawing(FrameDrawing::unlessFormatted, [&] {
        if (keepData_)
            KeepPanel()->CreateIntervalData(XStart, XInterval, YArray, NumPoints, GraphType, -1, "",
                true, Color, InterleavedData, Color2, drawWidth_, drawStyle_, drawMode_);
    });
    const DoubleArray intervalPair(std::vector<double> { XStart, XInterval });
    PlotSeries(GraphType, intervalPair, YArray, NumPoints, Color, Color2, InterleavedData, true);
    EndDrawing(bRefresh);
}

void OrvGraph::Impl::DrawXY(GraphDataTypeConstants GraphType, const DoubleArray& XArray,
    const DoubleArray& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool bRefresh)
{
    if (!scaled_)
        return;
    BeginDrawing(FrameDrawing::unlessFormatted, [&] {
        if (keepData_)
            KeepPanel()->CreateData(XArray, YArray, NumPoints, GraphType, -1, "", true, Color,
                InterleavedData, Color2, drawWidth_, drawStyle_, drawMode_);
    });
    PlotSeries(GraphType, XArray, YArray, NumPoints, Color, Color2, InterleavedData, false);
    EndDrawing(bRefresh);
}

// Not scaled, nothing is plotted: the series is not even checked.
void OrvGraph::Impl::PlotSeries(GraphDataTypeConstants GraphType, const DoubleArray& X,
    const DoubleArray& Y, int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData,
    bool UseInterval)
{
    if (!scaled_)
        return;
    const series::SeriesStyle style { drawMode_, drawStyle_, drawWidth_, circlePoints_,
        circleRadius_, cubicFit_, cubicFitInterval_ };
    if (series::PlotSeries(pctGraph_, currentData_, style, GraphType, X, Y, NumPoints, Color,
            Color2, InterleavedData, UseInterval))
        dataLoaded_ = true;
}

} // namespace vantrel
