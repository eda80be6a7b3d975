// The item's pyramids: built on demand, kept up to date by appends and drops.
#include "model/SeriesSummary.h"

namespace vantrel::model {

const MinMaxPyramid& SeriesSummary::Pyramid(
    SummaryAxis axis, bool log, const double* zero, int64_t count)
{
    MinMaxPyramid& pyramid = Slot(axis, log);
    if (!pyramid.Built())
        pyramid.Build(Values { zero, log }, count);
    return pyramid;
}

void SeriesSummary::Appended(const double* xZero, const double* yZero, int64_t count)
{
    for (const bool log : { false, true }) {
        if (xZero && Slot(SummaryAxis::X, log).Built())
            Slot(SummaryAxis::X, log).Extend(Values { xZero, log }, count);
        if (yZero && Slot(SummaryAxis::Y, log).Built())
            Slot(SummaryAxis::Y, log).Extend(Values { yZero, log }, count);
    }
}

void SeriesSummary::Dropped(int64_t count)
{
    for (MinMaxPyramid& pyramid : pyramids_) {
        if (pyramid.Built())
            pyramid.DropFront(count);
    }
}

void SeriesSummary::Clear()
{
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
