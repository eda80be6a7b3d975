// The record kept by the recording stand-in for the plotting library, shared between the
// stand-in (a shared library the control loads) and the tests that read it.
#pragma once

#include <string>
#include <vector>

namespace seriestest {

// `calls`: one line per call, the function and its scalar arguments ("SetPenProperties 0 1 255";
// DrawGraph2 with its type, count and interval flag only). `series`: per DrawGraph2, the values
// it reads ("x=0 0.5 y=1 2 3": two X values for an interval series, count otherwise).
struct PlotterRecord {
    std::vector<std::string> calls;
    std::vector<std::string> series;
};

// `void* RecordedPlotterCalls()` returns the stand-in's PlotterRecord.
inline constexpr const char* recordAccessorName = "RecordedPlotterCalls";

} // namespace seriestest
