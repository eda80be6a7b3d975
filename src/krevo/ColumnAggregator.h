// Column aggregation of polylines for one-pixel solid pens in idempotent draw modes, over any
// source of points: the series' own arrays (ColumnPlot.cpp) or a summarised series whose column
// statistics come from its min/max pyramid (SummaryPlot.cpp).
//
// Why it is exact. Cut the polyline into runs of consecutive drawable points with the same pixel
// column c. Inside a run every segment is vertical and paints its rows from its start up to, not
// including, its end; together they paint every row between the run's lowest and highest row,
// except perhaps the run's last row when nothing leaves it. If another point follows, the segment
// to it (the connector) starts at the last row and paints it. So a run with a follower paints
// exactly the span [lowest, highest] of column c plus the connector, which is drawn as the plain
// path draws it. A run ending at a break or at the end has no follower; but its last point
// follows the points before it: with j the last point whose row differs from the last row, the
// points up to j are a run with a follower in the same column, and every segment after j + 1
// has length zero. So such a run paints the span of points up to j plus the segment from j to
// j + 1. Painting a pixel more than once does not matter in an idempotent draw mode.
//
// A connector to the neighbouring column is one vertical run in each of the two columns: from
// the last row in this one, ending next to the first row of the next run in the other. Both
// touch the spans of their columns, so each column is painted as one span.
#pragma once

#include "krevo/ColumnEdges.h"
#include "krevo/ColumnScan.h"
#include "krevo/Series.h"
#include "krevo/Target.h"
#include "krevo/ThinLine.h"
#include "krevo/VisibleRange.h"

#include <algorithm>
#include <array>

namespace krevo {

// Rows [low, high] of one column; empty when low > high.
struct RowSpan {
    int64_t low = 1;
    int64_t high = 0;

    static RowSpan Between(int64_t a, int64_t b)
    {
        return RowSpan { std::min(a, b), std::max(a, b) };
    }
    bool Empty() const { return low > high; }
    // Only for spans that overlap or touch: the union is then one span.
    RowSpan Join(RowSpan other) const
    {
        if (Empty())
            return other;
        if (other.Empty())
            return *this;
        return RowSpan { std::min(low, other.low), std::max(high, other.high) };
    }
};

// Points provides, for point k: PixelAt(k, &p) (false for a break), PixelX(k), PixelY(k),
// PixelYOf(value), X(k) (arrays only), YStats(kBegin, kEnd) over finite-x points of one column,
// XRangeEnd(kBegin, kEnd, lowest, highest) as EndOfRange does on the x values, and Mapping(), the
// series' transform for the column-edge arithmetic.
template <class Points> class ColumnAggregator {
public:
    ColumnAggregator(const Target& target, const Points& points)
        : target_(target)
        , points_(points)
    {
    }

    // Point k in its turn.
    void AddPoint(int64_t k)
    {
        Point p;
        if (!points_.PixelAt(k, &p)) {
            CloseAtBreak();
            return;
        }
        AddRun(p.x, p.y, p.y, p.y, p.y, k, k + 1);
    }

    // Points [kBegin, kEnd), all in column x, values finite: the run statistics at once, or
    // point by point when some row is not drawable.
    void AddColumn(int32_t x, int64_t kBegin, int64_t kEnd)
    {
        const ValueStats stats = points_.YStats(kBegin, kEnd);
        const double a = points_.PixelYOf(stats.lowest);
        const double b = points_.PixelYOf(stats.highest);
        if (stats.anyNaN || !DrawablePixel(a) || !DrawablePixel(b)) {
            for (int64_t k = kBegin; k < kEnd; ++k)
                AddPoint(k);
            return;
        }
        // Rows are monotone in the values, so the rows of the extremes bound every row.
        const int32_t first = PixelOf(points_.PixelY(kBegin));
        const int32_t last = PixelOf(points_.PixelY(kEnd - 1));
        const int32_t ra = PixelOf(a);
        const int32_t rb = PixelOf(b);
        AddRun(x, first, last, std::min(ra, rb), std::max(ra, rb), kBegin, kEnd);
    }

    void Finish()
    {
        CloseAtBreak();
        PaintSpans();
    }

    bool Open() const { return open_; }
    int32_t Column() const { return x_; }

private:
    void AddRun(int32_t x, int32_t first, int32_t last, int32_t lowest, int32_t highest,
        int64_t kBegin, int64_t kEnd)
    {
        if (open_ && x == x_) {
            last_ = last;
            lowest_ = std::min(lowest_, lowest);
            highest_ = std::max(highest_, highest);
            kEnd_ = kEnd;
            return;
        }
        RowSpan incoming;
        if (open_)
            incoming = CloseWithConnector(x, first);
        open_ = true;
        x_ = x;
        last_ = last;
        lowest_ = lowest;
        highest_ = highest;
        kBegin_ = kBegin;
        kEnd_ = kEnd;
        incoming_ = incoming;
    }

    // Closes the open column (its span queued for painting) with the connector to (x, first);
    // returns the connector's rows in column x when they are one vertical run that ends next to
    // `first`, for the next column to paint with its own span.
    RowSpan CloseWithConnector(int32_t x, int32_t first)
    {
        RowSpan column = incoming_.Join(RowSpan { lowest_, highest_ });
        RowSpan next;
        const int64_t dx = int64_t { x } - x_;
        if (dx == 1 || dx == -1) {
            // Pixel k of n = max(1, |dy|) lies on row last + k * sign, in column x_ + floor((2 k dx
            // + n - 1) / (2 n)): the first `split` pixels in this column, the rest in column x.
            const int64_t dy = int64_t { first } - last_;
            const int64_t n = std::max<int64_t>(1, dy < 0 ? -dy : dy);
            const int64_t sign = dy < 0 ? -1 : 1;
            const int64_t split = dx > 0 ? std::min(n, n / 2 + 1) : (n - 1) / 2 + 1;
            column = column.Join(RowSpan::Between(last_, last_ + (split - 1) * sign));
            if (split < n)
                next = RowSpan::Between(last_ + split * sign, last_ + (n - 1) * sign);
            AddSpan(column);
            return next;
        }
        AddSpan(column);
        DrawThinSegment(target_, Point { x_, last_ }, Point { x, first }, DashPattern {}, 0);
        return next;
    }

    // Column spans are painted in batches of neighbouring columns, which share the picture's
    // cache lines; painted one at a time, with the series' values read in between, the stores
    // were the slowest part of a dense series. The order of painting does not matter in an
    // idempotent draw mode.
    void AddSpan(RowSpan rows)
    {
        spans_[spanCount_++] = ColumnSpan { x_, rows };
        if (spanCount_ == spans_.size())
            PaintSpans();
    }

    void PaintSpans()
    {
        for (size_t i = 0; i < spanCount_; ++i)
            target_.PaintColumn(spans_[i].x, spans_[i].rows.low, spans_[i].rows.high + 1);
        spanCount_ = 0;
    }

    // A run that nothing leaves: the connector's rows that reach it, the span of its points up
    // to the last one off the last row, and the segment from there (see the top of the file).
    // Every point of the run is drawable, so its statistics are finite.
    void CloseAtBreak()
    {
        if (!open_)
            return;
        open_ = false;
        if (!incoming_.Empty())
            AddSpan(incoming_);
        if (lowest_ == highest_ || x_ < target_.clip.left || x_ >= target_.clip.right)
            return;
        const int32_t last = PixelOf(points_.PixelY(kEnd_ - 1));
        int64_t j = kEnd_ - 2;
        int32_t row = 0;
        while (j >= kBegin_ && (row = PixelOf(points_.PixelY(j))) == last)
            --j;
        if (j < kBegin_)
            return;
        const ValueStats stats = points_.YStats(kBegin_, j + 1);
        AddSpan(RowSpan::Between(
            PixelOf(points_.PixelYOf(stats.lowest)), PixelOf(points_.PixelYOf(stats.highest))));
        DrawThinSegment(target_, Point { x_, row }, Point { x_, last }, DashPattern {}, 0);
    }

    const Target& target_;
    const Points& points_;
    bool open_ = false;
    int32_t x_ = 0;
    int32_t last_ = 0;
    int32_t lowest_ = 0;
    int32_t highest_ = 0;
    int64_t kBegin_ = 0;
    int64_t kEnd_ = 0;
    RowSpan incoming_; // rows of column x_ that the connector into the run paints
    struct ColumnSpan {
        int32_t x;
        RowSpan rows;
    };
    std::array<ColumnSpan, 64> spans_;
    size_t spanCount_ = 0;
};

// Runs shorter than this go point by point: the statistics only pay off on longer ones.
constexpr int64_t kMinColumnRun = 8;

template <class Points>
void PlotIntervalColumns(ColumnAggregator<Points>& columns, const Points& points, IndexRange range)
{
    const Series& series = points.Mapping();
    const IntervalColumnEnds columnEnds(series);
    int64_t k = range.begin;
    while (k < range.end) {
        const double px = series.PixelX(k);
        if (!DrawablePixel(px)) {
            columns.AddPoint(k++);
            continue;
        }
        const int32_t column = PixelOf(px);
        const int64_t outside = columnEnds.End(k, range.end, column);
        if (outside - k >= kMinColumnRun) {
            columns.AddColumn(column, k, outside);
        } else {
            for (int64_t j = k; j < outside; ++j)
                columns.AddPoint(j);
        }
        k = outside;
    }
}

template <class Points>
void PlotArrayColumns(ColumnAggregator<Points>& columns, const Points& points, IndexRange range)
{
    const Series& series = points.Mapping();
    int64_t k = range.begin;
    int64_t sameColumn = 0;
    int32_t lastColumn = 0;
    // Points in a column before its bounds are worked out: few while the scans pay off (dense
    // data), more while they find little.
    int64_t scanAfter = kMinColumnRun;
    while (k < range.end) {
        const double value = points.X(k);
        const double px = value * series.xConv + series.xOffset;
        columns.AddPoint(k++);
        if (!DrawablePixel(px)) {
            sameColumn = 0;
            continue;
        }
        const int32_t column = PixelOf(px);
        if constexpr (requires { points.OffscreenEnd(k, range.end, column); }) {
            // Points that stay in columns off the picture on this point's side paint nothing
            // there, joined or broken: the next point drawn is the last of them, so that the
            // segment from it into the picture is drawn as ever.
            const int64_t end = points.OffscreenEnd(k, range.end, column);
            if (end - k >= 2) {
                k = end - 1;
                sameColumn = 0;
                continue;
            }
        }
        sameColumn = (sameColumn > 0 && column == lastColumn) ? sameColumn + 1 : 1;
        lastColumn = column;
        if (sameColumn < scanAfter)
            continue;
        // A long run: scan the x values against the column's bounds in value space.
        const ValueBounds bounds = ColumnBounds(series, value, column);
        const int64_t end = points.XRangeEnd(k, range.end, bounds.lowest, bounds.highest);
        if (end > k)
            columns.AddColumn(column, k, end);
        scanAfter = end - k >= kMinColumnRun ? 2 : kMinColumnRun;
        k = end;
        sameColumn = 0;
    }
}

// Paints exactly the pixels that drawing points [range.begin, range.end) segment by segment
// would paint.
template <class Points>
void PlotColumns(const Target& target, const Points& points, IndexRange range)
{
    ColumnAggregator<Points> columns(target, points);
    if (points.Mapping().interval)
        PlotIntervalColumns(columns, points, range);
    else
        PlotArrayColumns(columns, points, range);
    columns.Finish();
}

} // namespace krevo
