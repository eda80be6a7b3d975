// The public series methods DrawY and DrawXY: retention, the frame, plotting and presenting.
#include "control/OrvGraphImpl.h"
#include "series/SeriesPlot.h"

#include <vantrel/Error.h>
#include <vantrel/platform/PictureSurface.h>
#include <vector>

namespace vantrel {

namespace {

// The check retention makes (Error 9), made before the keep panel is fetched: fetching it may
// add a panel, and a refused series must leave the current data as it was.
void RequireLength(const DoubleArray& array, int32_t count)
{
    if (count < 0 || count > array.Count())
        throw Error(errSubscriptOutOfRange);
}

} // namespace

// Unlike the figure methods, a series is retained before the frame is drawn and before it is
// plotted, and whatever the plotting then does. Retention copies the arrays (the one copy a
// series costs with KeepData on; none for the overloads that take the arrays over) and, like
// PanelData::CreateData, raises Error 9 for a NumPoints the arrays cannot hold; that error
// reaches the host, the pictures staying in retained mode. The series is then plotted from the
// arrays it was given or, when they were taken over, from the retained item's.

template <class Array>
void OrvGraph::Impl::DrawIntervalSeries(GraphDataTypeConstants GraphType, double XStart,
    double XInterval, Array&& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool bRefresh)
{
    if (!scaled_)
        return;
    XYItem_Data::ArrayView y = XYItem_Data::ViewOf(YArray);
    BeginDrawing(FrameDrawing::unlessFormatted, [&] {
        if (keepData_) {
            RequireLength(YArray, NumPoints);
            const Ref<XYItem_Data> item = KeepPanel()->CreateIntervalData(XStart, XInterval,
                std::forward<Array>(YArray), NumPoints, GraphType, -1, "", true, Color,
                InterleavedData, Color2, drawWidth_, drawStyle_, drawMode_);
            y = item->YView();
        }
    });
    const DoubleArray intervalPair(std::vector<double> { XStart, XInterval });
    PlotSeries(GraphType, XYItem_Data::ViewOf(intervalPair), y, NumPoints, Color, Color2,
        InterleavedData, true);
    EndDrawing(bRefresh);
}

template <class Array>
void OrvGraph::Impl::DrawPointSeries(GraphDataTypeConstants GraphType, Array&& XArray,
    Array&& YArray, int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData,
    bool bRefresh)
{
    if (!scaled_)
        return;
    XYItem_Data::ArrayView x = XYItem_Data::ViewOf(XArray);
    XYItem_Data::ArrayView y = XYItem_Data::ViewOf(YArray);
    BeginDrawing(FrameDrawing::unlessFormatted, [&] {
        if (keepData_) {
            RequireLength(XArray, NumPoints);
            RequireLength(YArray, NumPoints);
            const Ref<XYItem_Data> item = KeepPanel()->CreateData(std::forward<Array>(XArray),
                std::forward<Array>(YArray), NumPoints, GraphType, -1, "", true, Color,
                InterleavedData, Color2, drawWidth_, drawStyle_, drawMode_);
            x = item->XView();
            y = item->YView();
        }
    });
    PlotSeries(GraphType, x, y, NumPoints, Color, Color2, InterleavedData, false);
    EndDrawing(bRefresh);
}

void OrvGraph::Impl::DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
    const DoubleArray& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool bRefresh)
{
    DrawIntervalSeries(
        GraphType, XStart, XInterval, YArray, NumPoints, Color, Color2, InterleavedData, bRefresh);
}

void OrvGraph::Impl::DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
    DoubleArray&& YArray, int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData,
    bool bRefresh)
{
    DrawIntervalSeries(GraphType, XStart, XInterval, std::move(YArray), NumPoints, Color, Color2,
        InterleavedData, bRefresh);
}

void OrvGraph::Impl::DrawXY(GraphDataTypeConstants GraphType, const DoubleArray& XArray,
    const DoubleArray& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool bRefresh)
{
    DrawPointSeries<const DoubleArray&>(
        GraphType, XArray, YArray, NumPoints, Color, Color2, InterleavedData, bRefresh);
}

void OrvGraph::Impl::DrawXY(GraphDataTypeConstants GraphType, DoubleArray&& XArray,
    DoubleArray&& YArray, int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData,
    bool bRefresh)
{
    DrawPointSeries<DoubleArray>(GraphType, std::move(XArray), std::move(YArray), NumPoints, Color,
        Color2, InterleavedData, bRefresh);
}

// Not scaled, nothing is plotted: the series is not even checked.
void OrvGraph::Impl::PlotSeries(GraphDataTypeConstants GraphType, const XYItem_Data::ArrayView& X,
    const XYItem_Data::ArrayView& Y, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool UseInterval)
{
    if (!scaled_)
        return;
    const series::SeriesStyle style { drawMode_, drawStyle_, drawWidth_, circlePoints_,
        circleRadius_, cubicFit_, cubicFitInterval_ };
    if (series::PlotSeries(pctGraph_, currentData_, style, GraphType, X, Y, NumPoints, Color,
            Color2, InterleavedData, UseInterval))
        dataLoaded_ = true;
}

bool OrvGraph::Impl::PlotSummarised(const XYItem_Data& XY)
{
    if (!scaled_)
        return false;
    const series::SeriesStyle style { drawMode_, drawStyle_, drawWidth_, circlePoints_,
        circleRadius_, cubicFit_, cubicFitInterval_ };
    if (!series::PlotSummarised(pctGraph_, currentData_, style, XY))
        return false;
    dataLoaded_ = true;
    return true;
}

} // namespace vantrel
