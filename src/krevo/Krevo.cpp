// The seven entry points of libkrevo.so: argument checks, the drawing state, and the dispatch of
// DrawGraph2 to the rasterisers.
#include "krevo/Krevo.h"

#include "krevo/Circles.h"
#include "krevo/ColumnPlot.h"
#include "krevo/CubicFit.h"
#include "krevo/DrawingState.h"
#include "krevo/GraphTypes.h"
#include "krevo/LinePen.h"
#include "krevo/Series.h"
#include "krevo/Target.h"
#include "krevo/VisibleRange.h"

#include <cmath>

namespace krevo {
namespace {

enum GraphType : int32_t {
    gdtLine = 0,
    gdtDiscreteLine = 1,
    gdtSymmetricLine = 2,
    gdtDotted = 3,
    gdtImpulse = 4,
    gdtCircle = 5,
    gdtCubicFit = 6,
};

int32_t Draw(const Target& target, const DrawingState& state, GraphType type, const Series& series)
{
    const PenState& pen = state.pen;
    // Skipping points off the picture would shift a dash pattern that runs along a polyline.
    const bool runsPattern = pen.Dashed() && type <= gdtSymmetricLine;
    const int64_t margin = int64_t { pen.PixelWidth() }
        + (type == gdtCircle ? int64_t { state.circleRadius } : 0) + 1;
    const IndexRange range
        = runsPattern ? IndexRange { 0, series.count } : VisibleRange(series, target.clip, margin);
    LinePen linePen(target, pen);
    switch (type) {
    case gdtLine:
        if (!pen.Wide() && !pen.Dashed() && IdempotentDrawMode(state.drawMode))
            PlotLineByColumns(target, series, range);
        else
            PlotLine(linePen, series, range);
        return KrevoDone;
    case gdtDiscreteLine:
        PlotDiscreteLine(linePen, series, range);
        return KrevoDone;
    case gdtSymmetricLine:
        PlotSymmetricLine(linePen, series, range);
        return KrevoDone;
    case gdtDotted:
        PlotDots(linePen, series, range);
        return KrevoDone;
    case gdtImpulse:
        PlotImpulses(linePen, series, range);
        return KrevoDone;
    case gdtCircle:
        return PlotCircles(target, pen, series, range, state.circleRadius) ? KrevoDone
                                                                           : KrevoNoMemory;
    case gdtCubicFit:
        return PlotCubicFit(linePen, series, state.fitInterval) ? KrevoDone : KrevoNoMemory;
    }
    return KrevoBadValue;
}

} // namespace
} // namespace krevo

using namespace krevo;

extern "C" {

int32_t SetDrawMode(int32_t mode)
{
    if (mode < gdi::R2_BLACK || mode > gdi::R2_WHITE)
        return KrevoBadValue;
    ThreadDrawingState().drawMode = mode;
    return KrevoDone;
}

int32_t SetPenProperties(int32_t style, int32_t width, int32_t color)
{
    ThreadDrawingState().pen = MakePen(style, width, color);
    return KrevoDone;
}

int32_t SetCirclePixelRadius(int32_t radius)
{
    if (radius < 0 || radius > kMaxCircleRadius)
        return KrevoBadValue;
    ThreadDrawingState().circleRadius = radius;
    return KrevoDone;
}

double SetCubicFitPixelInterval(double interval)
{
    DrawingState& state = ThreadDrawingState();
    if (std::isfinite(interval) && interval >= kMinFitInterval)
        state.fitInterval = interval;
    return state.fitInterval;
}

int32_t DeInterleave(const double* source, int32_t sourceCount, double* destination,
    int32_t destinationCount, int32_t start, int32_t step)
{
    if (sourceCount < 0 || destinationCount < 0)
        return KrevoBadValue;
    if (destinationCount == 0)
        return KrevoDone;
    if (!source || !destination)
        return KrevoNullPointer;
    // Indices are linear in i, so the first and the last bound them all.
    const int64_t first = start;
    const int64_t last = first + int64_t { destinationCount - 1 } * step;
    if (first < 0 || first >= sourceCount || last < 0 || last >= sourceCount)
        return KrevoOutOfRange;
    for (int64_t i = 0, index = first; i < destinationCount; ++i, index += step)
        destination[i] = source[index];
    return KrevoDone;
}

int32_t Log10Array(double* destination, const double* source, int32_t count)
{
    if (count < 0)
        return KrevoBadValue;
    if (count == 0)
        return KrevoDone;
    if (!source || !destination)
        return KrevoNullPointer;
    for (int32_t i = 0; i < count; ++i)
        destination[i] = std::log10(source[i]);
    return KrevoDone;
}

int32_t DrawGraph2(int32_t hDC, int32_t type, const double* x, double xConv, double xOffset,
    const double* y, double yConv, double yOffset, int32_t count, int32_t intervalFlag)
{
    if (type < gdtLine || type > gdtCubicFit || count < 0
        || (intervalFlag != 0 && intervalFlag != 1))
        return KrevoBadValue;
    if (count > 0 && (!x || !y))
        return KrevoNullPointer;
    gdi::Surface surface;
    if (!gdi::GetSurface(static_cast<gdi::HDC>(hDC), &surface))
        return KrevoBadDeviceContext;
    const DrawingState state = ThreadDrawingState();

    Target target;
    target.view = surface.view;
    target.clip = surface.clip;
    target.mix = gdi::MixForRop2(state.drawMode, state.pen.color);
    target.copy = target.mix.andMask == 0;
    if (count == 0 || target.Empty() || state.pen.Null() || state.drawMode == gdi::R2_NOP)
        return KrevoDone;

    Series series;
    series.x = x;
    series.y = y;
    series.count = count;
    series.interval = intervalFlag == 1;
    series.xStart = x[0];
    series.xStep = series.interval ? x[1] : 0.0;
    series.xConv = xConv;
    series.xOffset = xOffset;
    series.yConv = yConv;
    series.yOffset = yOffset;
    // Every position would be non-finite: nothing to draw.
    if (!std::isfinite(xConv) || !std::isfinite(xOffset) || !std::isfinite(yConv)
        || !std::isfinite(yOffset)
        || (series.interval && (!std::isfinite(series.xStart) || !std::isfinite(series.xStep))))
        return KrevoDone;
    return Draw(target, state, static_cast<GraphType>(type), series);
}
}
