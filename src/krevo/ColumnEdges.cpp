// Column ends from the pixel edge arithmetic, corrected by a galloping search on the exact
// mapping (multiply, add, round half to even) so that no rounding of the estimate changes pixels.
#include "krevo/ColumnEdges.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numeric>

namespace krevo {
namespace {

// Doubles ordered as integers: negative values below positive ones, -0 equal to +0.
int64_t OrderKey(double value)
{
    const int64_t bits = std::bit_cast<int64_t>(value);
    return bits >= 0 ? bits : -(bits & std::numeric_limits<int64_t>::max());
}

double FromOrderKey(int64_t key)
{
    return key >= 0 ? std::bit_cast<double>(key)
                    : std::bit_cast<double>(-key | std::numeric_limits<int64_t>::min());
}

// `step` keys from `from` towards `to`, stopping at `to`. Keys of finite doubles span more than
// 2^63, so distances are unsigned.
int64_t Toward(int64_t from, int64_t to, uint64_t step)
{
    const uint64_t span = from < to ? static_cast<uint64_t>(to) - static_cast<uint64_t>(from)
                                    : static_cast<uint64_t>(from) - static_cast<uint64_t>(to);
    if (step >= span)
        return to;
    return from < to ? static_cast<int64_t>(static_cast<uint64_t>(from) + step)
                     : static_cast<int64_t>(static_cast<uint64_t>(from) - step);
}

bool StrictlyBetween(int64_t value, int64_t a, int64_t b)
{
    return (a < value && value < b) || (b < value && value < a);
}

// The pixel positions that round to `column`, half to even: [c - 0.5, c + 0.5] for even c, the
// open interval for odd c. The same test as DrawablePixel and PixelOf, without rounding (both
// halves are exact doubles, and the interval of any 32-bit column lies within the drawable
// positions); NaN is in no column.
class ColumnTest {
public:
    explicit ColumnTest(int32_t column)
        : low_(static_cast<double>(column) - 0.5)
        , high_(static_cast<double>(column) + 0.5)
        , closed_(column % 2 == 0)
    {
    }
    bool Contains(double position) const
    {
        return closed_ ? position >= low_ && position <= high_
                       : position > low_ && position < high_;
    }

private:
    double low_;
    double high_;
    bool closed_;
};

// The position, in real arithmetic, of the edge of `column` that the pixel position crosses
// when it moves up (rising) or down.
double FarEdge(int32_t column, bool rising)
{
    return static_cast<double>(column) + (rising ? 0.5 : -0.5);
}

// The farthest key from `value` towards `limit` (inclusive) whose x maps to `column`; `value`
// does. The keys mapping to the column form an interval because the mapping is monotone.
int64_t FarthestInColumn(const Series& series, double value, double limit, int32_t column)
{
    const ColumnTest test(column);
    auto inColumn = [&](int64_t key) {
        return test.Contains(FromOrderKey(key) * series.xConv + series.xOffset);
    };
    // Invariant: "inside" maps to the column, "outside" does not.
    int64_t inside = OrderKey(value);
    int64_t outside = OrderKey(limit);
    if (inColumn(outside))
        return outside;
    const bool rising = (limit > value) == (series.xConv > 0);
    const double edge = series.xConv != 0
        ? (FarEdge(column, rising) - series.xOffset) / series.xConv
        : std::numeric_limits<double>::quiet_NaN();
    const int64_t guess = OrderKey(edge);
    // A non-finite edge (zero scale, overflow) is no guess.
    if (std::isfinite(edge) && StrictlyBetween(guess, inside, outside)) {
        // Gallop from the estimate towards the side it did not settle; at most 64 doublings.
        if (inColumn(guess)) {
            inside = guess;
            for (uint64_t step = 1; step != 0; step <<= 1) {
                const int64_t next = Toward(inside, outside, step);
                if (next == outside)
                    break;
                if (!inColumn(next)) {
                    outside = next;
                    break;
                }
                inside = next;
            }
        } else {
            outside = guess;
            for (uint64_t step = 1; step != 0; step <<= 1) {
                const int64_t next = Toward(outside, inside, step);
                if (next == inside)
                    break;
                if (inColumn(next)) {
                    inside = next;
                    break;
                }
                outside = next;
            }
        }
    }
    // Bisection of what is left: usually nothing, the estimate being a few keys off at most.
    for (;;) {
        const int64_t mid = std::midpoint(inside, outside);
        if (mid == inside || mid == outside)
            return inside;
        if (inColumn(mid))
            inside = mid;
        else
            outside = mid;
    }
}

} // namespace

IntervalColumnEnds::IntervalColumnEnds(const Series& series)
    : series_(series)
    , rising_((series.xConv > 0) == (series.xStep > 0))
    , scale_(std::numeric_limits<double>::quiet_NaN())
    , shift_(0)
{
    // A zero scale or step puts every point in one column: no edge to cross (NaN never guesses).
    if (series.xConv != 0 && series.xStep != 0) {
        scale_ = 1.0 / (series.xConv * series.xStep);
        shift_ = -(series.xOffset / series.xConv + series.xStart) / series.xStep;
    }
}

int64_t IntervalColumnEnds::End(int64_t k, int64_t end, int32_t column) const
{
    const ColumnTest test(column);
    auto inColumn = [&](int64_t j) { return test.Contains(series_.PixelX(j)); };
    // The index at which the position crosses the column's far edge, in real arithmetic; only a
    // guess. Infinite or NaN where it overflows, which the clamping absorbs.
    const double crossing = FarEdge(column, rising_) * scale_ + shift_;
    int64_t guess = k + 1;
    if (crossing > static_cast<double>(k + 1)) {
        guess
            = crossing < static_cast<double>(end) ? static_cast<int64_t>(std::ceil(crossing)) : end;
    }
    // Invariant: "inside" is in the column, "outside" is not or is `end`. Gallop from the guess
    // towards the side it did not settle, then bisect the last bracket.
    int64_t inside = k;
    int64_t outside = end;
    if (guess < end && inColumn(guess)) {
        inside = guess;
        for (int64_t step = 1; step < outside - inside; step *= 2) {
            if (!inColumn(inside + step)) {
                outside = inside + step;
                break;
            }
            inside += step;
        }
    } else {
        outside = guess;
        for (int64_t step = 1; step < outside - inside; step *= 2) {
            if (inColumn(outside - step)) {
                inside = outside - step;
                break;
            }
            outside -= step;
        }
    }
    while (outside - inside > 1) {
        const int64_t mid = inside + (outside - inside) / 2;
        if (inColumn(mid))
            inside = mid;
        else
            outside = mid;
    }
    return outside;
}

ValueBounds ColumnBounds(const Series& series, double value, int32_t column)
{
    const double most = std::numeric_limits<double>::max();
    const double a = FromOrderKey(FarthestInColumn(series, value, -most, column));
    const double b = FromOrderKey(FarthestInColumn(series, value, most, column));
    return ValueBounds { std::min(a, b), std::max(a, b) };
}

} // namespace krevo
