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

// Each loop on its own, so that tests compare every vector loop with the scalar one whatever
// this processor dispatches to. The vector loops agree with the scalar ones exactly, except
// that with a NaN among the values only anyNaN is defined (the caller then goes point by
// point), and that the sign of a zero extreme may differ.
namespace loops {

ValueStats StatsScalar(const double* values, int64_t count);
int64_t RangeScalar(const double* values, int64_t count, double lowest, double highest);

#if defined(__x86_64__) || defined(__i386__)
ValueStats StatsSse2(const double* values, int64_t count);
int64_t RangeSse2(const double* values, int64_t count, double lowest, double highest);
// Only where HasAvx().
ValueStats StatsAvx(const double* values, int64_t count);
int64_t RangeAvx(const double* values, int64_t count, double lowest, double highest);
bool HasAvx();
#endif

} // namespace loops

} // namespace krevo
