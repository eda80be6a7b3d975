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
#include <utility>

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
    // Values whose rows are those of the lowest and highest of points [kBegin, kEnd) (which is
    // all the aggregator asks of them): from the summary's whole blocks and the column's two
    // end points, and of the points beyond the whole blocks only where the blocks holding them
    // could move a row.
    ValueStats YStats(int64_t kBegin, int64_t kEnd) const
    {
        if (source_.y && kEnd - kBegin < kMinSummaryRun)
            return StatsOf(source_.y + kBegin, kEnd - kBegin);
        if (!source_.Bounds)
            return YRange(kBegin, kEnd);
        KrevoValueBounds bounds {};
        source_.Bounds(source_.context, 1, kBegin, kEnd, &bounds);
        const KrevoValueRange& inner = bounds.inner;
        if (bounds.innerBegin >= bounds.innerEnd || inner.anyNaN != 0)
            return YRange(kBegin, kEnd);
        const double first = Y(kBegin);
        const double last = Y(kEnd - 1);
        if (std::isnan(first) || std::isnan(last))
            return ValueStats { first, last, true };
        ValueStats stats { std::min({ inner.lowest, first, last }),
            std::max({ inner.highest, first, last }), false };
        const std::pair<int64_t, int64_t> pieces[2]
            = { { kBegin, bounds.innerBegin }, { bounds.innerEnd, kEnd } };
        for (int side = 0; side < 2; ++side) {
            const auto [begin, end] = pieces[side];
            const KrevoValueRange& block = bounds.ends[side];
            if (begin >= end || (block.anyNaN == 0 && Within(block, stats)))
                continue;
            const ValueStats part
                = source_.y ? StatsOf(source_.y + begin, end - begin) : YRange(begin, end);
            stats = ValueStats { std::min(stats.lowest, part.lowest),
                std::max(stats.highest, part.highest), stats.anyNaN || part.anyNaN };
        }
        return stats;
    }
    int64_t XRangeEnd(int64_t kBegin, int64_t kEnd, double lowest, double highest) const
    {
        if (source_.x && source_.xSorted)
            return SortedRangeEnd(kBegin, kEnd, lowest, highest);
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
    ValueStats YRange(int64_t kBegin, int64_t kEnd) const
    {
        KrevoValueRange range {};
        source_.Range(source_.context, 1, kBegin, kEnd, &range);
        return ValueStats { range.lowest, range.highest, range.anyNaN != 0 };
    }
    // Whether the values of `block` leave the rows of the lowest and highest of `stats` as
    // they are: rows are monotone in the values, so a value between two on the same row lies
    // on it too.
    bool Within(const KrevoValueRange& block, const ValueStats& stats) const
    {
        return (block.lowest >= stats.lowest || SameRow(block.lowest, stats.lowest))
            && (block.highest <= stats.highest || SameRow(block.highest, stats.highest));
    }
    bool SameRow(double a, double b) const
    {
        const double pa = PixelYOf(a);
        const double pb = PixelYOf(b);
        return DrawablePixel(pa) && DrawablePixel(pb) && PixelOf(pa) == PixelOf(pb);
    }
    // Sorted x: the points from kBegin inside [lowest, highest] are one run, ended by the first
    // x above highest. Searched from the last run's length, which neighbouring columns share,
    // outwards both ways, so a column costs a few reads whatever its length.
    int64_t SortedRangeEnd(int64_t kBegin, int64_t kEnd, double lowest, double highest) const
    {
        const double* x = source_.x;
        if (kBegin >= kEnd || !(x[kBegin] >= lowest && x[kBegin] <= highest))
            return kBegin;
        // x[below] <= highest < x[above] (kEnd standing for an x above everything).
        int64_t below = kBegin;
        int64_t above = kEnd;
        const int64_t guess = kBegin + std::max<int64_t>(1, lastRun_);
        if (guess < kEnd && x[guess] <= highest) {
            below = guess;
            for (int64_t step = 1; below + step < kEnd; step *= 2) {
                if (x[below + step] > highest) {
                    above = below + step;
                    break;
                }
                below += step;
            }
        } else {
            above = std::min(guess, kEnd);
            for (int64_t step = 1; above - step > below; step *= 2) {
                if (x[above - step] <= highest) {
                    below = above - step;
                    break;
                }
                above -= step;
            }
        }
        while (above - below > 1) {
            const int64_t middle = below + (above - below) / 2;
            (x[middle] > highest ? above : below) = middle;
        }
        // The next column most likely ends as far on.
        if (above + (above - kBegin) < kEnd)
            __builtin_prefetch(x + above + (above - kBegin));
        lastRun_ = above - kBegin;
        return above;
    }

    const Series& mapping_;
    const KrevoSeriesSource& source_;
    gdi::RECT clip_;
    mutable int64_t lastRun_ = 0;
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
