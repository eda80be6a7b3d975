// A stand-in for the plotting library that records every call as text and draws nothing. It
// reads exactly the elements the call contract says the library reads, so that, under the
// address sanitizer, a series handed with too short an array fails the test. DeInterleave and
// Log10Array do their work, since the control plots their results.
#include "PlotterRecord.h"

#include <cmath>
#include <krevo/Krevo.h>
#include <sstream>

namespace {

seriestest::PlotterRecord record;

template <typename... Value> int32_t Add(const char* function, Value... values)
{
    std::ostringstream out;
    out << function;
    ((out << ' ' << values), ...);
    record.calls.push_back(out.str());
    return KrevoDone;
}

std::string Text(const char* head, const double* values, int32_t count)
{
    std::ostringstream out;
    out.precision(10);
    out << head;
    for (int32_t i = 0; i < count; ++i)
        out << (i == 0 ? "" : " ") << values[i];
    return out.str();
}

} // namespace

extern "C" {

KREVO_API void* RecordedPlotterCalls() { return &record; }

int32_t SetDrawMode(int32_t mode) { return Add("SetDrawMode", mode); }

int32_t SetPenProperties(int32_t style, int32_t width, int32_t color)
{
    return Add("SetPenProperties", style, width, color);
}

int32_t SetCirclePixelRadius(int32_t radius) { return Add("SetCirclePixelRadius", radius); }

double SetCubicFitPixelInterval(double interval)
{
    Add("SetCubicFitPixelInterval", interval);
    return interval;
}

int32_t DeInterleave(const double* source, int32_t sourceCount, double* destination,
    int32_t destinationCount, int32_t start, int32_t step)
{
    for (int32_t i = 0; i < destinationCount; ++i)
        destination[i] = source[start + i * step];
    return Add("DeInterleave", sourceCount, destinationCount, start, step);
}

int32_t Log10Array(double* destination, const double* source, int32_t count)
{
    for (int32_t i = 0; i < count; ++i)
        destination[i] = std::log10(source[i]);
    return Add("Log10Array", count);
}

int32_t DrawGraph2(int32_t, int32_t type, const double* x, double, double, const double* y, double,
    double, int32_t count, int32_t intervalFlag)
{
    record.series.push_back(Text("x=", x, intervalFlag == 1 ? 2 : count) + Text(" y=", y, count));
    return Add("DrawGraph2", type, count, intervalFlag);
}

} // extern "C"
