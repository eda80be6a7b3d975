// SeriesSummary: what an XYItem_Data keeps next to its arrays for the replay: min/max pyramids of
// X (point mode) and Y, of the values and of their logarithms, and whether X is in increasing
// order; each worked out when a replay first asks for it and then kept, extended by appends and
// drops, discarded by any other change.
#pragma once

#include "model/MinMaxPyramid.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace vantrel::model {

enum class SummaryAxis : int { X = 0, Y = 1 };

class SeriesSummary {
public:
    // Point k of an array as a pyramid reads it: the value, or its logarithm (std::log10, as the
    // plotting library's Log10Array takes it).
    struct Values {
        const double* zero;
        bool log;
        double operator()(int64_t k) const { return log ? std::log10(zero[k]) : zero[k]; }
        const double* Raw() const { return zero; }
        bool Log() const { return log; }
    };

    // The pyramid of an axis over points [0, count) of `zero`, built now if it is not yet.
    const MinMaxPyramid& Pyramid(SummaryAxis axis, bool log, const double* zero, int64_t count);

    // True when x[k] <= x[k + 1] for every k in [0, count - 1) (no NaN, then): counted as the
    // pairs out of order, once, when first asked.
    bool XSorted(const double* xZero, int64_t count);

    // The item appended: the arrays (null when the item has no such array) now hold `count`
    // points from `xZero` / `yZero`.
    void Appended(const double* xZero, const double* yZero, int64_t count);
    // The first `count` points are about to go; `xZero` (null in interval mode) still holds them.
    void Dropped(const double* xZero, int64_t count);
    void Clear();
    int64_t Bytes() const;

private:
    MinMaxPyramid& Slot(SummaryAxis axis, bool log)
    {
        return pyramids_[static_cast<size_t>(axis) * 2 + (log ? 1 : 0)];
    }

    std::array<MinMaxPyramid, 4> pyramids_;
    struct Order {
        bool built = false;
        int64_t count = 0; // points counted
        int64_t descents = 0; // k in [0, count - 1) with !(x[k] <= x[k + 1])
    } order_;
};

} // namespace vantrel::model
