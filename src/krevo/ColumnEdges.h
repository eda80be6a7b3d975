// Where a pixel column's points end: in the index for interval series, in value space for X
// arrays. Both start from the edge's position worked out in floating point and correct it by a
// search on the exact pixel mapping, so the cost is a few mappings per column, not a bisection
// over the whole range.
#pragma once

#include "krevo/Series.h"

#include <cstdint>

namespace krevo {

// Interval series: the first index in (k, end) whose point is not drawable in `column`, or end.
// Point k is drawable in `column`; columns are monotone in the index.
int64_t ColumnEndIndex(const Series& series, int64_t k, int64_t end, int32_t column);

// The drawable x values mapping to one pixel column: [lowest, highest], both finite.
struct ValueBounds {
    double lowest;
    double highest;
};

// All x values mapping to `column`; `value` is one of them.
ValueBounds ColumnBounds(const Series& series, double value, int32_t column);

} // namespace krevo
