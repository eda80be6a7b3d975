// Many cycles of a graph's whole life on one host: clear, scale, a series of every type, labels,
// shapes, redraw, resize, zoom and zoom off. No pen, brush or font outlives a call, and the
// resident memory stops growing after a warm-up. SOAK_CYCLES sets the count: 500 by default, so
// that make test stays short under the sanitizers; long runs ask for 2,000 or 100,000.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace {

using namespace vantrel;

int64_t ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    int64_t size = 0;
    int64_t resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

int32_t CyclesWanted()
{
    const char* text = std::getenv("SOAK_CYCLES");
    const long cycles = text ? std::strtol(text, nullptr, 10) : 500;
    return cycles > 0 ? static_cast<int32_t>(cycles) : 500;
}

class Soak {
public:
    explicit Soak(HeadlessHost& host)
        : host_(host)
        , g_(host.Graph())
    {
    }

    void Cycle(int32_t n)
    {
        Step("Clear", [&] { g_.Clear(); });
        Step("SetScale", [&] { g_.SetScale(0, -2, 100, 2); });
        g_.CirclePoints(n % 2 == 0);
        g_.CubicFit(n % 3 == 0);
        g_.DrawWidth(static_cast<int16_t>(1 + n % 3));
        for (int32_t type = gdtLine; type <= gdtCubicFit; ++type) {
            const auto graphType = static_cast<GraphDataTypeConstants>(type);
            Step("DrawY", [&] {
                g_.DrawY(graphType, 0, 100.0 / (points_.Count() - 1), Shifted(type), 64,
                    0x102030 * (type + 1), 0x0000FF, type == gdtDotted, false);
            });
            Step("DrawXY", [&] {
                g_.DrawXY(graphType, xs_, Shifted(type + 7), 64, 0x00A000, 0xFF0000, false, false);
            });
        }
        Step("DrawLabel", [&] { g_.DrawLabel(10, 1.5, "cycle " + std::to_string(n), 0, false); });
        Step(
            "DrawRectangle", [&] { g_.DrawRectangle(20, -1, 40, 1, 0xFF, true, 0xC0C0FF, false); });
        Step("DrawEllipse", [&] { g_.DrawEllipse(50, -1, 70, 1, 0xFF00, false, 0, false); });
        Step("DrawCircle", [&] { g_.DrawCircle(80, 0, 5, 0xFF0000, true, 0xFFC0C0, false); });
        Step("DrawLine", [&] { g_.DrawLine(0, -2, 100, 2, 0x808080, false); });
        Step("Refresh", [&] { g_.Refresh(); });
        Step("Redraw", [&] { g_.Redraw(); });
        Step("ResizePixels", [&] { host_.ResizePixels(320 + n % 7 * 16, 240 + n % 5 * 12); });
        Step("ZoomUser", [&] { g_.ZoomUser(10 + n % 10, -1, 60, 1.5); });
        Step("ZoomOff", [&] { g_.ZoomOff(); });
        // The host's own record of every notification grows with each setter call; a host that
        // keeps running empties it, as this one does.
        host_.ClearPropertyChanges();
    }

private:
    template <class Call> void Step(const char* name, Call call)
    {
        call();
        if (host_.GdiObjectCount() != 0) {
            ADD_FAILURE() << name << " left " << host_.GdiObjectCount() << " objects alive";
            std::exit(1);
        }
    }

    DoubleArray Shifted(int32_t phase) const
    {
        std::vector<double> values(64);
        for (size_t k = 0; k < values.size(); ++k)
            values[k] = 1.5 * std::sin(0.2 * static_cast<double>(k) + phase);
        return DoubleArray(std::move(values));
    }

    static DoubleArray Positions()
    {
        std::vector<double> values(64);
        for (size_t k = 0; k < values.size(); ++k)
            values[k] = 100.0 * static_cast<double>(k) / 63.0;
        return DoubleArray(std::move(values));
    }

    HeadlessHost& host_;
    OrvGraph& g_;
    const DoubleArray points_ = Positions();
    const DoubleArray xs_ = Positions();
};

TEST(Soak, GraphicsObjectsStayAtZeroAndMemoryStopsGrowing)
{
    const int32_t cycles = CyclesWanted();
    HeadlessHost host(320, 240);
    host.InitNew();
    host.Graph().ZoomEnabled(true);
    Soak soak(host);
    const int32_t warmUp = std::max(cycles / 5, 1);
    int64_t afterWarmUp = 0;
    int64_t highest = 0;
    for (int32_t n = 0; n < cycles; ++n) {
        soak.Cycle(n);
        if (n + 1 == warmUp)
            afterWarmUp = ResidentBytes();
        if (n + 1 > warmUp)
            highest = std::max(highest, ResidentBytes());
    }
    ASSERT_EQ(host.GdiObjectCount(), 0);
    // A few pages of slack for the allocator's own bookkeeping.
    constexpr int64_t slack = 4 << 20;
    EXPECT_LE(highest, afterWarmUp + slack)
        << cycles << " cycles: " << afterWarmUp / 1024 << " KiB after the warm-up, at most "
        << highest / 1024 << " KiB later";
    std::printf("%d cycles: %lld KiB after %d warm-up cycles, at most %lld KiB later\n", cycles,
        static_cast<long long>(afterWarmUp / 1024), warmUp, static_cast<long long>(highest / 1024));
}

} // namespace
