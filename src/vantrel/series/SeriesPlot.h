// A series handed whole to the plotting library, with the linear transform of each axis, in one
// to three passes.
#pragma once

#include <cstdint>
#include <vantrel/DoubleArray.h>
#include <vantrel/Enums.h>
#include <vantrel/Ref.h>
#include <vantrel/XYItem_Data.h>

namespace vantrel {
class GraphData;
} // namespace vantrel

namespace vantrel::platform {
class PictureSurface;
} // namespace vantrel::platform

namespace vantrel::series {

// The control's settings a series plots with: raster operation, pen, and the circles and cubic
// fit that dotted and impulse series add.
struct SeriesStyle {
    int32_t drawMode = 0;
    int32_t drawStyle = 0;
    int16_t drawWidth = 0;
    bool circlePoints = false;
    int32_t circleRadius = 0;
    bool cubicFit = false;
    double cubicFitInterval = 0.0;
};

// Plots the series on the plot picture through the current data's axes and answers whether
// any pass plotted (the control then sets DataLoaded). Never raises: any error inside (no data
// or axis design, an array without the values the library reads, a failed conversion, no
// plotting library) drops the series, or its rest, silently. The arrays are never changed.
// X is the interval pair (XStart, XInterval) when UseInterval is set. The arrays are read from
// index 0 (see XYItem_Data::ArrayView).
bool PlotSeries(platform::PictureSurface& plot, const Ref<GraphData>& data,
    const SeriesStyle& style, GraphDataTypeConstants GraphType, const XYItem_Data::ArrayView& X,
    const XYItem_Data::ArrayView& Y, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool UseInterval);

// A retained series drawn by the plotting library from the item's summary (SummaryPlot.cpp);
// true when it plotted, false when it must take PlotSeries instead (nothing drawn then).
bool PlotSummarised(platform::PictureSurface& plot, const Ref<GraphData>& data,
    const SeriesStyle& style, const XYItem_Data& item);

} // namespace vantrel::series
