// The calls received by the recording stand-in for the plotting library, shared between the
// stand-in (a shared library the control loads) and the tests that read its record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace seriestest {

// One call, its arguments in order: the integers in `ints`, the doubles in `doubles`. For
// DrawGraph2 `x` and `y` hold the values the library reads (x: two for an interval series,
// count otherwise; y: count); arrays are not otherwise recorded.
struct PlotterCall {
    std::string function;
    std::vector<int32_t> ints;
    std::vector<double> doubles;
    std::vector<double> x;
    std::vector<double> y;
};

using PlotterRecord = std::vector<PlotterCall>;

// The name of the stand-in's accessor: `void* RecordedPlotterCalls()` returns the
// PlotterRecord it appends to.
inline constexpr const char* recordAccessorName = "RecordedPlotterCalls";

} // namespace seriestest
