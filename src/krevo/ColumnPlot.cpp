// The waveform path over the series' own arrays: the column statistics and the scan for a
// column's end read the values with the vectorised loops.
#include "krevo/ColumnPlot.h"

#include "krevo/ColumnAggregator.h"

namespace krevo {
namespace {

class ArrayPoints {
public:
    explicit ArrayPoints(const Series& series)
        : series_(series)
    {
    }
    const Series& Mapping() const { return series_; }
    bool PixelAt(int64_t k, Point* p) const { return series_.PixelAt(k, p); }
    double PixelX(int64_t k) const { return series_.PixelX(k); }
    double PixelY(int64_t k) const { return series_.PixelY(k); }
    double PixelYOf(double value) const { return series_.PixelYOf(value); }
    double X(int64_t k) const { return series_.x[k]; }
    ValueStats YStats(int64_t kBegin, int64_t kEnd) const
    {
        return StatsOf(series_.y + kBegin, kEnd - kBegin);
    }
    int64_t XRangeEnd(int64_t kBegin, int64_t kEnd, double lowest, double highest) const
    {
        return kBegin + EndOfRange(series_.x + kBegin, kEnd - kBegin, lowest, highest);
    }

private:
    const Series& series_;
};

} // namespace

void PlotLineByColumns(const Target& target, const Series& series, IndexRange range)
{
    PlotColumns(target, ArrayPoints(series), range);
}

} // namespace krevo
