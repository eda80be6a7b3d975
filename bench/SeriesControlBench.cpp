// The control's overhead on a data series: DrawY and DrawXY end to end on the off-screen host,
// against DrawGraph2 alone drawing the same series with the same transforms on a picture of the
// plot area's size, measured in the same run.
#include "BenchSupport.h"
#include "gdi/Gdi.h"
#include "gdi/Pixmap.h"
#include "krevo/Krevo.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <limits>
#include <random>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace {

constexpr int32_t kPoints = 10'000'000;
// A control of this size has a plot area of 1000 x 600 pixels with the default margins.
constexpr int32_t kControlWidth = 1116;
constexpr int32_t kControlHeight = 716;

const vantrel::DoubleArray& WaveY()
{
    static const vantrel::DoubleArray values = [] {
        std::vector<double> v(kPoints);
        std::mt19937 random(7);
        std::normal_distribution<double> noise(0.0, 0.05);
        for (int32_t k = 0; k < kPoints; ++k)
            v[k] = 0.8 * std::sin(k * 2e-5) + noise(random);
        return vantrel::DoubleArray(std::move(v));
    }();
    return values;
}

const vantrel::DoubleArray& WaveX()
{
    static const vantrel::DoubleArray values = [] {
        std::vector<double> v(kPoints);
        for (int32_t k = 0; k < kPoints; ++k)
            v[k] = k * 1e-7;
        return vantrel::DoubleArray(std::move(v));
    }();
    return values;
}

enum class Series { Interval, Arrays };
enum class Keep { Off, On };
enum class Present { No, Yes };

// Runs DrawY or DrawXY (gdtLine, 1-pixel solid pen, copy pen) and DrawGraph2 alone, and reports
// the control's time as a ratio to the library's.
void ControlOverhead(benchmark::State& state, Series series, Keep keep, Present present)
{
    vantrel::HeadlessHost host(kControlWidth, kControlHeight);
    host.InitNew();
    vantrel::OrvGraph& g = host.Graph();
    g.KeepData(keep == Keep::On);
    g.Clear();
    g.SetScale(0.0, -1.0, 1.0, 1.0);
    const vantrel::DoubleArray& y = WaveY();
    const vantrel::DoubleArray& x = WaveX();
    const bool refresh = present == Present::Yes;
    const auto drawWithControl = [&] {
        if (series == Series::Interval)
            g.DrawY(vantrel::gdtLine, 0.0, 1e-7, y, kPoints, 0xFF0000, 255, false, refresh);
        else
            g.DrawXY(vantrel::gdtLine, x, y, kPoints, 0xFF0000, 255, false, refresh);
    };
    // Retained items are taken out again between runs, outside the timing, so that memory
    // stays flat; the first call draws the frame, also outside.
    const auto forgetRetained = [&] {
        if (keep == Keep::On)
            g.CurrentData()->PanelList()->Item(1)->Remove(1);
    };
    drawWithControl();
    forgetRetained();

    const gdi::Pixmap picture(g.GraphPixelWidth(), g.GraphPixelHeight());
    const vantrel::Ref<vantrel::AxisDesign> xDesign = g.CurrentData()->XAxis()->Design();
    const vantrel::Ref<vantrel::AxisDesign> yDesign = g.CurrentData()->YAxis()->Design();
    const double pair[2] = { 0.0, 1e-7 };
    const double library = bench::FastestSeconds(5, [&] {
        SetDrawMode(13);
        SetPenProperties(0, 0, 0xFF0000);
        const bool interval = series == Series::Interval;
        DrawGraph2(static_cast<int32_t>(picture.Dc()), 0, interval ? pair : x.Data(),
            xDesign->Conv(), xDesign->Offset(), y.Data(), yDesign->Conv(), yDesign->Offset(),
            kPoints, interval ? 1 : 0);
    });

    // With KeepData on, retention must copy the arrays into fresh memory: the floor for it is
    // one such copy of each array the series holds, made here the same way.
    double copy = 0.0;
    if (keep == Keep::On)
        copy = bench::FastestSeconds(3, [&] {
            std::vector<double> yCopy = y.Values();
            benchmark::DoNotOptimize(yCopy.data());
            if (series == Series::Arrays) {
                std::vector<double> xCopy = x.Values();
                benchmark::DoNotOptimize(xCopy.data());
            }
        });

    double best = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        best = std::min(best, bench::FastestSeconds(1, drawWithControl));
        state.PauseTiming();
        forgetRetained();
        state.ResumeTiming();
    }
    state.counters["drawgraph2_ms"] = library * 1e3;
    state.counters["control_ms"] = best * 1e3;
    state.counters["ratio_to_drawgraph2"] = best / library;
    if (keep == Keep::On) {
        state.counters["copy_ms"] = copy * 1e3;
        state.counters["ratio_to_drawgraph2_and_copy"] = best / (library + copy);
    }
}

} // namespace

BENCHMARK_CAPTURE(ControlOverhead, DrawY_KeepOff, Series::Interval, Keep::Off, Present::No)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);
BENCHMARK_CAPTURE(ControlOverhead, DrawY_KeepOn, Series::Interval, Keep::On, Present::No)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);
BENCHMARK_CAPTURE(ControlOverhead, DrawY_KeepOff_Refresh, Series::Interval, Keep::Off, Present::Yes)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);
BENCHMARK_CAPTURE(ControlOverhead, DrawXY_KeepOff, Series::Arrays, Keep::Off, Present::No)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);
BENCHMARK_CAPTURE(ControlOverhead, DrawXY_KeepOn, Series::Arrays, Keep::On, Present::No)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);

BENCHMARK_MAIN();
