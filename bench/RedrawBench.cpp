// The full redraw of a retained graph of many long series, against reading all their arrays once
// in the same run.
#include "BenchSupport.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <bit>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace {

// A control of this size has a plot area of 1000 x 600 pixels with the default margins.
constexpr int32_t kControlWidth = 1116;
constexpr int32_t kControlHeight = 716;

// One panel of `series` waveforms of `points` each over X 0..1, gdtLine, one-pixel solid pen in
// copy-pen mode; interval series or explicit increasing X arrays.
vantrel::Ref<vantrel::GraphData> Source(int32_t series, int32_t points, bool arrays)
{
    auto source = std::make_shared<vantrel::GraphData>();
    source->Bounds()->SetRecord({ 0.0, 1.0, -1.5, 1.5 });
    auto panel = std::make_shared<vantrel::PanelData>();
    const double step = 1.0 / points;
    std::vector<double> x(static_cast<size_t>(points));
    for (int32_t k = 0; k < points; ++k)
        x[k] = k * step;
    const vantrel::DoubleArray xArray(x);
    for (int32_t s = 0; s < series; ++s) {
        std::vector<double> y(static_cast<size_t>(points));
        for (int32_t k = 0; k < points; ++k)
            y[k] = 0.9 * std::sin(40.0 * x[k] + 0.3 * s) + 0.1 * std::sin(7919.0 * x[k] * (s + 1));
        const vantrel::DoubleArray yArray(std::move(y));
        const int32_t color = 0x10101 * (s % 200);
        if (arrays)
            panel->CreateData(xArray, yArray, points, vantrel::gdtLine, -1, "", true, color);
        else
            panel->CreateIntervalData(
                0.0, step, yArray, points, vantrel::gdtLine, -1, "", true, color);
    }
    source->PanelList()->Add(panel);
    return source;
}

// Every array the retained items hold, read once, the bits folded so that nothing is skipped
// (four independent chains, so that memory, not the folding, sets the pace): the least any
// replay of them must do.
uint64_t ReadAllArrays(const vantrel::GraphData& source)
{
    const auto panel = source.PanelList()->Item(1);
    uint64_t a = 0, b = 0, c = 0, d = 0;
    const auto read = [&](const vantrel::XYItem_Data::ArrayView& array, int32_t count) {
        const double* v = array.zero;
        for (int32_t k = 0; k + 3 < count; k += 4) {
            a |= std::bit_cast<uint64_t>(v[k]);
            b |= std::bit_cast<uint64_t>(v[k + 1]);
            c |= std::bit_cast<uint64_t>(v[k + 2]);
            d |= std::bit_cast<uint64_t>(v[k + 3]);
        }
    };
    for (int32_t i = 1; i <= panel->DataCount(); ++i) {
        const auto item = panel->Data(i);
        read(item->YView(), item->Length());
        if (!item->UseInterval())
            read(item->XView(), item->Length());
    }
    return a | b | c | d;
}

// Arguments: number of series, points per series, 1 for explicit X arrays.
void RedrawRetained(benchmark::State& state)
{
    const auto series = static_cast<int32_t>(state.range(0));
    const auto points = static_cast<int32_t>(state.range(1));
    vantrel::HeadlessHost host(kControlWidth, kControlHeight);
    host.InitNew();
    vantrel::OrvGraph& g = host.Graph();
    const auto source = Source(series, points, state.range(2) != 0);
    g.DrawFromSources(source, true);

    const auto threadTime = bench::ThreadSeconds;
    const double floor = bench::FastestSeconds(
        5,
        [&] {
            const uint64_t bits = ReadAllArrays(*source);
            benchmark::DoNotOptimize(bits);
        },
        threadTime);
    // The fixed cost of a redraw: erasing, the frame and presenting, with one two-point series.
    vantrel::HeadlessHost emptyHost(kControlWidth, kControlHeight);
    emptyHost.InitNew();
    emptyHost.Graph().DrawFromSources(Source(1, 2, false), true);
    const double empty = bench::FastestSeconds(
        5, [&] { emptyHost.Graph().Redraw(); }, threadTime);

    double best = std::numeric_limits<double>::infinity();
    for (auto _ : state)
        best = std::min(best,
            bench::FastestSeconds(
                1, [&] { g.Redraw(); }, threadTime));
    const double total = static_cast<double>(series) * points;
    state.counters["redraw_ms"] = best * 1e3;
    state.counters["read_arrays_ms"] = floor * 1e3;
    state.counters["empty_redraw_ms"] = empty * 1e3;
    state.counters["ns_per_point"] = best / total * 1e9;
    state.counters["ratio_to_read_arrays"] = best / floor;
}

} // namespace

BENCHMARK(RedrawRetained)
    ->ArgNames({ "series", "points", "xarrays" })
    ->Args({ 100, 50'000, 0 })
    ->Args({ 100, 100'000, 0 })
    ->Args({ 100, 200'000, 0 })
    ->Args({ 100, 50'000, 1 })
    ->Args({ 100, 100'000, 1 })
    ->Args({ 100, 200'000, 1 })
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

BENCHMARK_MAIN();
