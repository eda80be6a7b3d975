// SeriesSummary: what an XYItem_Data keeps next to its arrays for the replay: min/max pyramids of
// X (point mode) and Y, of the values and of their logarithms, each built when a replay first
// asks for it and then kept, extended by appends and drops, discarded by any other change.
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

    // The item appended: the arrays (null when the item has no such array) now hold `count`
    // points from `xZero` / `yZero`.
    void Appended(const double* xZero, const double* yZero, int64_t count);
    void Dropped(int64_t count);
    void Clear();
    int64_t Bytes() const;

private:
    MinMaxPyramid& Slot(SummaryAxis axis, bool log)
    {
        return pyramids_[static_cast<size_t>(axis) * 2 + (log ? 1 : 0)];
    }

    std::array<MinMaxPyramid, 4> pyramids_;
};

} // namespace vantrel::model
