// DrawGraphSummary: the waveform path of graph type 0 over a summarised series. The column
// aggregation is the array path's own (ColumnAggregator.h); only the source of the column
// statistics and of the column ends differs, so both paths paint the same pixels.
#include "krevo/ColumnAggregator.h"
#include "krevo/DrawingState.h"
#include "krevo/KrevoSummary.h"
#include "krevo/Series.h"
#include "krevo/Target.h"
#include "krevo/VisibleRange.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace krevo {
namespace {

// Columns shorter than this are read from the arrays where the source has them.
constexpr int64_t kMinSummaryRun = 256;

class SourcePoints {
public:
    SourcePoints(const Series& mapping, const KrevoSeriesSource& source, const gdi::RECT& clip)
        : mapping_(mapping)
        , source_(source)
        , clip_(clip)
    {
    }
    const Series& Mapping() const { return mapping_; }
    double X(int64_t k) const
    {
        return source_.x ? source_.x[k] : source_.Value(source_.context, 0, k);
    }
    double Y(int64_t k) const
    {
        return source_.y ? source_.y[k] : source_.Value(source_.context, 1, k);
    }
    double PixelX(int64_t k) const
    {
        return mapping_.interval ? mapping_.PixelX(k) : X(k) * mapping_.xConv + mapping_.xOffset;
    }
    double PixelY(int64_t k) const { return mapping_.PixelYOf(Y(k)); }
    double PixelYOf(double value) const { return mapping_.PixelYOf(value); }
    bool PixelAt(int64_t k, Point* point) const
    {
        const double px = PixelX(k);
        const double py = PixelY(k);
        if (!DrawablePixel(px) || !DrawablePixel(py))
            return false;
        *point = Point { PixelOf(px), PixelOf(py) };
        return true;
    }
    ValueStats YStats(int64_t kBegin, int64_t kEnd) const
    {
        if (source_.y && kEnd - kBegin < kMinSummaryRun)
            return StatsOf(source_.y + kBegin, kEnd - kBegin);
        KrevoValueRange range {};
        source_.Range(source_.context, 1, kBegin, kEnd, &range);
        return ValueStats { range.lowest, range.highest, range.anyNaN != 0 };
    }
    int64_t XRangeEnd(int64_t kBegin, int64_t kEnd, double lowest, double highest) const
    {
        if (source_.x) {
            // Most columns end within a few hundred points: scan those, ask beyond.
            const int64_t scanned = std::min(kEnd - kBegin, kMinSummaryRun);
            const int64_t end = kBegin + EndOfRange(source_.x + kBegin, scanned, lowest, highest);
            if (end < kBegin + scanned || end == kEnd)
                return end;
            kBegin = end;
        }
        return source_.RangeEnd(source_.context, 0, kBegin, kEnd, lowest, highest);
    }

    // X arrays: the end of the points from k on whose columns lie on the same side off the
    // picture as `column` (two columns off, beyond a one-pixel pen's reach), found in value
    // space by the summary; k when `column` is on the picture or the side's edge value cannot
    // be had.
    int64_t OffscreenEnd(int64_t k, int64_t end, int32_t column) const
    {
        const bool left = column < clip_.left - 2;
        if (!left && column <= clip_.right + 1)
            return k;
        const int32_t edge = left ? clip_.left - 2 : clip_.right + 1;
        const double guess = (static_cast<double>(edge) - mapping_.xOffset) / mapping_.xConv;
        const double guessPixel = guess * mapping_.xConv + mapping_.xOffset;
        if (!std::isfinite(guess) || !DrawablePixel(guessPixel) || PixelOf(guessPixel) != edge)
            return k;
        // Values beyond the edge column's far bound, on the point's side.
        const ValueBounds bounds = ColumnBounds(mapping_, guess, edge);
        const double most = std::numeric_limits<double>::max();
        const bool below = left == (mapping_.xConv > 0);
        const double lowest = below ? -most : std::nextafter(bounds.highest, most);
        const double highest = below ? std::nextafter(bounds.lowest, -most) : most;
        return XRangeEnd(k, end, lowest, highest);
    }

private:
    const Series& mapping_;
    const KrevoSeriesSource& source_;
    gdi::RECT clip_;
};

} // namespace
} // namespace krevo

using namespace krevo;

extern "C" int32_t DrawGraphSummary(int32_t hDC, int32_t type, const KrevoSeriesSource* source,
    double xConv, double xOffset, double yConv, double yOffset)
{
    if (type < 0 || type > 6)
        return KrevoBadValue;
    if (!source || !source->Value || !source->Range || !source->RangeEnd)
        return KrevoNullPointer;
    if (source->count < 0 || (source->intervalFlag != 0 && source->intervalFlag != 1))
        return KrevoBadValue;
    const DrawingState state = ThreadDrawingState();
    // The same choice as DrawGraph2's: only this combination aggregates columns.
    if (type != 0 || state.pen.Wide() || state.pen.Dashed() || state.pen.Null()
        || !IdempotentDrawMode(state.drawMode))
        return KrevoNotSummarised;
    gdi::Surface surface;
    if (!gdi::GetSurface(static_cast<gdi::HDC>(hDC), &surface))
        return KrevoBadDeviceContext;

    Target target;
    target.view = surface.view;
    target.clip = surface.clip;
    target.mix = gdi::MixForRop2(state.drawMode, state.pen.color);
    target.copy = target.mix.andMask == 0;
    if (source->count == 0 || target.Empty() || state.drawMode == gdi::R2_NOP)
        return KrevoDone;

    Series mapping;
    mapping.count = source->count;
    mapping.interval = source->intervalFlag == 1;
    mapping.xStart = source->xStart;
    mapping.xStep = mapping.interval ? source->xStep : 0.0;
    mapping.xConv = xConv;
    mapping.xOffset = xOffset;
    mapping.yConv = yConv;
    mapping.yOffset = yOffset;
    if (!std::isfinite(xConv) || !std::isfinite(xOffset) || !std::isfinite(yConv)
        || !std::isfinite(yOffset)
        || (mapping.interval && (!std::isfinite(mapping.xStart) || !std::isfinite(mapping.xStep))))
        return KrevoDone;
    const int64_t margin = int64_t { state.pen.PixelWidth() } + 1;
    PlotColumns(target, SourcePoints(mapping, *source, target.clip),
        VisibleRange(mapping, target.clip, margin));
    return KrevoDone;
}
