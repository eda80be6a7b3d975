// Vectorised column loops: SSE2 everywhere on x86-64, AVX chosen at run time when present; a
// scalar loop finishes every tail and serves other processors.
#include "krevo/ColumnScan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define KREVO_X86 1
#endif

namespace krevo {
namespace {

ValueStats StatsTail(const double* values, int64_t i, int64_t count, ValueStats stats)
{
    for (; i < count; ++i) {
        const double v = values[i];
        stats.lowest = v < stats.lowest ? v : stats.lowest;
        stats.highest = v > stats.highest ? v : stats.highest;
        stats.anyNaN = stats.anyNaN || std::isnan(v);
    }
    return stats;
}

int64_t RangeTail(const double* values, int64_t i, int64_t count, double lowest, double highest)
{
    while (i < count && values[i] >= lowest && values[i] <= highest)
        ++i;
    return i;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

namespace loops {

ValueStats StatsScalar(const double* values, int64_t count)
{
    return StatsTail(values, 0, count, ValueStats { kInf, -kInf, false });
}

int64_t RangeScalar(const double* values, int64_t count, double lowest, double highest)
{
    return RangeTail(values, 0, count, lowest, highest);
}

#if defined(KREVO_X86)

// NaN lanes are caught by one unordered compare per pair of vectors; min and max may drop them.
ValueStats StatsSse2(const double* values, int64_t count)
{
    __m128d low0 = _mm_set1_pd(kInf), low1 = low0;
    __m128d high0 = _mm_set1_pd(-kInf), high1 = high0;
    __m128d nan = _mm_setzero_pd();
    int64_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128d a = _mm_loadu_pd(values + i);
        const __m128d b = _mm_loadu_pd(values + i + 2);
        low0 = _mm_min_pd(low0, a);
        low1 = _mm_min_pd(low1, b);
        high0 = _mm_max_pd(high0, a);
        high1 = _mm_max_pd(high1, b);
        nan = _mm_or_pd(nan, _mm_cmpunord_pd(a, b));
    }
    alignas(16) double low[2];
    alignas(16) double high[2];
    _mm_store_pd(low, _mm_min_pd(low0, low1));
    _mm_store_pd(high, _mm_max_pd(high0, high1));
    const ValueStats stats { std::min(low[0], low[1]), std::max(high[0], high[1]),
        _mm_movemask_pd(nan) != 0 };
    return StatsTail(values, i, count, stats);
}

// Compiled for AVX; reached only through StatsAvx and RangeAvx below, which are not.
namespace {

__attribute__((target("avx"))) ValueStats StatsAvxLoop(const double* values, int64_t count)
{
    __m256d low0 = _mm256_set1_pd(kInf), low1 = low0;
    __m256d high0 = _mm256_set1_pd(-kInf), high1 = high0;
    __m256d nan = _mm256_setzero_pd();
    int64_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256d a = _mm256_loadu_pd(values + i);
        const __m256d b = _mm256_loadu_pd(values + i + 4);
        low0 = _mm256_min_pd(low0, a);
        low1 = _mm256_min_pd(low1, b);
        high0 = _mm256_max_pd(high0, a);
        high1 = _mm256_max_pd(high1, b);
        nan = _mm256_or_pd(nan, _mm256_cmp_pd(a, b, _CMP_UNORD_Q));
    }
    alignas(32) double low[4];
    alignas(32) double high[4];
    _mm256_store_pd(low, _mm256_min_pd(low0, low1));
    _mm256_store_pd(high, _mm256_max_pd(high0, high1));
    const ValueStats stats { std::min({ low[0], low[1], low[2], low[3] }),
        std::max({ high[0], high[1], high[2], high[3] }), _mm256_movemask_pd(nan) != 0 };
    return StatsTail(values, i, count, stats);
}

} // namespace

int64_t RangeSse2(const double* values, int64_t count, double lowest, double highest)
{
    const __m128d lo = _mm_set1_pd(lowest);
    const __m128d hi = _mm_set1_pd(highest);
    int64_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128d a = _mm_loadu_pd(values + i);
        const __m128d b = _mm_loadu_pd(values + i + 2);
        const __m128d inside = _mm_and_pd(_mm_and_pd(_mm_cmpge_pd(a, lo), _mm_cmple_pd(a, hi)),
            _mm_and_pd(_mm_cmpge_pd(b, lo), _mm_cmple_pd(b, hi)));
        if (_mm_movemask_pd(inside) != 3)
            break;
    }
    return RangeTail(values, i, count, lowest, highest);
}

namespace {

__attribute__((target("avx"))) int64_t RangeAvxLoop(
    const double* values, int64_t count, double lowest, double highest)
{
    const __m256d lo = _mm256_set1_pd(lowest);
    const __m256d hi = _mm256_set1_pd(highest);
    int64_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256d a = _mm256_loadu_pd(values + i);
        const __m256d b = _mm256_loadu_pd(values + i + 4);
        const __m256d inside = _mm256_and_pd(
            _mm256_and_pd(_mm256_cmp_pd(a, lo, _CMP_GE_OQ), _mm256_cmp_pd(a, hi, _CMP_LE_OQ)),
            _mm256_and_pd(_mm256_cmp_pd(b, lo, _CMP_GE_OQ), _mm256_cmp_pd(b, hi, _CMP_LE_OQ)));
        if (_mm256_movemask_pd(inside) != 15)
            break;
    }
    return RangeTail(values, i, count, lowest, highest);
}

} // namespace

ValueStats StatsAvx(const double* values, int64_t count) { return StatsAvxLoop(values, count); }

int64_t RangeAvx(const double* values, int64_t count, double lowest, double highest)
{
    return RangeAvxLoop(values, count, lowest, highest);
}

bool HasAvx()
{
    static const bool has = __builtin_cpu_supports("avx");
    return has;
}

#endif

} // namespace loops

using namespace loops;

ValueStats StatsOf(const double* values, int64_t count)
{
#if defined(KREVO_X86)
    return HasAvx() ? StatsAvx(values, count) : StatsSse2(values, count);
#else
    return StatsScalar(values, count);
#endif
}

int64_t EndOfRange(const double* values, int64_t count, double lowest, double highest)
{
#if defined(KREVO_X86)
    return HasAvx() ? RangeAvx(values, count, lowest, highest)
                    : RangeSse2(values, count, lowest, highest);
#else
    return RangeScalar(values, count, lowest, highest);
#endif
}

} // namespace krevo
