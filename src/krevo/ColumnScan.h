// The two tight loops of the waveform path: the statistics of a column's values and the scan for
// the end of a column's x values; vectorised, with AVX where the processor has it.
#pragma once

#include <cstdint>

namespace krevo {

// Lowest and highest of the values and whether any is NaN.
struct ValueStats {
    double lowest;
    double highest;
    bool anyNaN;
};

ValueStats StatsOf(const double* values, int64_t count);

// The first index in [0, count) whose value is not within [lowest, highest] (NaN never is), or
// count.
int64_t EndOfRange(const double* values, int64_t count, double lowest, double highest);

} // namespace krevo
