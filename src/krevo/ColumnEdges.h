// Where a pixel column's points end: in the index for interval series, in value space for X
// arrays. Both start from the edge's position worked out in floating point and correct it by a
// search on the exact pixel mapping, so the cost is a few mappings per column, not a bisection
// over the whole range.
#pragma once

#include "krevo/Series.h"

#include <cstdint>

namespace krevo {

// Interval series: where each column's points end. Columns are monotone in the index.
class IntervalColumnEnds {
public:
    explicit IntervalColumnEnds(const Series& series);

    // The first index in (k, end) whose point is not drawable in `column`, or end. Point k is
    // drawable in `column`.
    int64_t End(int64_t k, int64_t end, int32_t column) const;

private:
    const Series& series_;
    bool rising_; // columns grow with the index
    // index = (position - xOffset) / (xConv * xStep) - xStart / xStep, as edge * scale_ + shift_
    double scale_;
    double shift_;
};

// The drawable x values mapping to one pixel column: [lowest, highest], both finite.
struct ValueBounds {
    double lowest;
    double highest;
};

// All x values mapping to `column`; `value` is one of them.
ValueBounds ColumnBounds(const Series& series, double value, int32_t column);

} // namespace krevo
