// A stand-in for the plotting library that records every call and draws nothing. It reads
// exactly the elements the call contract says the library reads, so that, under the address
// sanitizer, a series handed with too short an array fails the test. DeInterleave and
// Log10Array do their work, since the control plots their results.
#include "PlotterRecord.h"

#include <cmath>
#include <krevo/Krevo.h>

namespace {

seriestest::PlotterRecord& Record()
{
    static seriestest::PlotterRecord record;
    return record;
}

void Add(const char* function, std::vector<int32_t> ints, std::vector<double> doubles = {})
{
    Record().push_back({ function, std::move(ints), std::move(doubles), {}, {} });
}

} // namespace

extern "C" {

KREVO_API void* RecordedPlotterCalls() { return &Record(); }

int32_t SetDrawMode(int32_t mode)
{
    Add("SetDrawMode", { mode });
    return KrevoDone;
}

int32_t SetPenProperties(int32_t style, int32_t width, int32_t color)
{
    Add("SetPenProperties", { style, width, color });
    return KrevoDone;
}

int32_t SetCirclePixelRadius(int32_t radius)
{
    Add("SetCirclePixelRadius", { radius });
    return KrevoDone;
}

double SetCubicFitPixelInterval(double interval)
{
    Add("SetCubicFitPixelInterval", {}, { interval });
    return interval;
}

int32_t DeInterleave(const double* source, int32_t sourceCount, double* destination,
    int32_t destinationCount, int32_t start, int32_t step)
{
    Add("DeInterleave", { sourceCount, destinationCount, start, step });
    for (int32_t i = 0; i < destinationCount; ++i) {
        const int64_t index = static_cast<int64_t>(start) + static_cast<int64_t>(i) * step;
        if (index < 0 || index >= sourceCount)
            return KrevoOutOfRange;
        destination[i] = source[index];
    }
    return KrevoDone;
}

int32_t Log10Array(double* destination, const double* source, int32_t count)
{
    Add("Log10Array", { count });
    for (int32_t i = 0; i < count; ++i)
        destination[i] = std::log10(source[i]);
    return KrevoDone;
}

int32_t DrawGraph2(int32_t hDC, int32_t type, const double* x, double xConv, double xOffset,
    const double* y, double yConv, double yOffset, int32_t count, int32_t intervalFlag)
{
    seriestest::PlotterCall call { "DrawGraph2", { hDC, type, count, intervalFlag },
        { xConv, xOffset, yConv, yOffset }, {}, {} };
    const int32_t xCount = intervalFlag == 1 ? 2 : count;
    for (int32_t i = 0; i < xCount; ++i)
        call.x.push_back(x[i]);
    for (int32_t i = 0; i < count; ++i)
        call.y.push_back(y[i]);
    Record().push_back(std::move(call));
    return KrevoDone;
}

} // extern "C"
