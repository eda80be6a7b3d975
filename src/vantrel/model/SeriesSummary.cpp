// The item's pyramids: built on demand, kept up to date by appends and drops.
#include "model/SeriesSummary.h"

#include <algorithm>

namespace vantrel::model {

namespace {

// Pairs (k, k + 1) out of order for k in [begin, end).
int64_t Descents(const double* x, int64_t begin, int64_t end)
{
    int64_t descents = 0;
    for (int64_t k = begin; k < end; ++k)
        descents += !(x[k] <= x[k + 1]) ? 1 : 0;
    return descents;
}

} // namespace

const MinMaxPyramid& SeriesSummary::Pyramid(
    SummaryAxis axis, bool log, const double* zero, int64_t count)
{
    MinMaxPyramid& pyramid = Slot(axis, log);
    if (!pyramid.Built())
        pyramid.Build(Values { zero, log }, count);
    return pyramid;
}

bool SeriesSummary::XSorted(const double* xZero, int64_t count)
{
    if (!order_.built)
        order_ = Order { true, count, Descents(xZero, 0, count - 1) };
    return order_.descents == 0;
}

void SeriesSummary::Appended(const double* xZero, const double* yZero, int64_t count)
{
    if (xZero && order_.built) {
        order_.descents += Descents(xZero, std::max<int64_t>(0, order_.count - 1), count - 1);
        order_.count = count;
    }
    for (const bool log : { false, true }) {
        if (xZero && Slot(SummaryAxis::X, log).Built())
            Slot(SummaryAxis::X, log).Extend(Values { xZero, log }, count);
        if (yZero && Slot(SummaryAxis::Y, log).Built())
            Slot(SummaryAxis::Y, log).Extend(Values { yZero, log }, count);
    }
}

void SeriesSummary::Dropped(const double* xZero, int64_t count)
{
    if (xZero && order_.built) {
        order_.descents -= Descents(xZero, 0, std::min(count, order_.count - 1));
        order_.count -= count;
    }
    for (MinMaxPyramid& pyramid : pyramids_) {
        if (pyramid.Built())
            pyramid.DropFront(count);
    }
}

void SeriesSummary::Clear()
{
    order_ = Order {};
    for (MinMaxPyramid& pyramid : pyramids_)
        pyramid.Clear();
}

int64_t SeriesSummary::Bytes() const
{
    int64_t bytes = 0;
    for (const MinMaxPyramid& pyramid : pyramids_)
        bytes += pyramid.Bytes();
    return bytes;
}

} // namespace vantrel::model
