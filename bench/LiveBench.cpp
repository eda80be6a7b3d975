// Redraws of long retained series from their min/max pyramids, against reading all the arrays
// once in the same run: full range, zoomed, logarithmic, explicit X arrays, and live frames of
// sliding windows (append, drop, scroll, redraw).
//
// The sizes are 16 series of 10 million points; LIVEBENCH_POINTS scales them down on a
// machine without the memory or the time (the ratios keep their meaning: both sides grow with
// the points, the redraw does not).
#include "BenchSupport.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace {

// A control of this size has a plot area of 1000 x 600 pixels with the default margins.
constexpr int32_t kControlWidth = 1116;
constexpr int32_t kControlHeight = 716;
constexpr int32_t kSeries = 16;

int32_t PointsPerSeries()
{
    const char* text = std::getenv("LIVEBENCH_POINTS");
    return text ? std::max(1000, std::atoi(text)) : 10'000'000;
}

double Sample(int64_t k, int32_t s)
{
    const double x = static_cast<double>(k) * 1e-6;
    return 0.9 * std::sin(40.0 * x + 0.3 * s) + 0.1 * std::sin(7919.0 * x * (s + 1)) + 1.5;
}

struct Graph {
    std::unique_ptr<vantrel::HeadlessHost> host;
    vantrel::Ref<vantrel::GraphData> source;
    std::vector<vantrel::Ref<vantrel::XYItem_Data>> items;

    vantrel::OrvGraph& G() { return host->Graph(); }
};

// 16 gdtLine series over X 0 .. points, one-pixel solid pen in copy-pen mode, the arrays handed
// over without a copy; Y between 0.6 and 2.4 so that a logarithmic axis shows them too.
Graph Make(int32_t points, bool arrays, bool logY, int32_t maxLength = 0)
{
    Graph graph;
    graph.host = std::make_unique<vantrel::HeadlessHost>(kControlWidth, kControlHeight);
    graph.host->InitNew();
    graph.source = std::make_shared<vantrel::GraphData>();
    graph.source->Bounds()->SetRecord({ 0.0, static_cast<double>(points), 0.5, 2.5 });
    graph.source->YAxis()->AxisType(logY ? vantrel::gatLog : vantrel::gatLinear);
    auto panel = std::make_shared<vantrel::PanelData>();
    for (int32_t s = 0; s < kSeries; ++s) {
        std::vector<double> y(static_cast<size_t>(points));
        for (int32_t k = 0; k < points; ++k)
            y[static_cast<size_t>(k)] = Sample(k, s);
        const int32_t color = 0x10101 * (s * 12);
        vantrel::Ref<vantrel::XYItem_Data> item;
        if (arrays) {
            std::vector<double> x(static_cast<size_t>(points));
            for (int32_t k = 0; k < points; ++k)
                x[static_cast<size_t>(k)] = k;
            item = panel->CreateData(vantrel::DoubleArray(std::move(x)),
                vantrel::DoubleArray(std::move(y)), points, vantrel::gdtLine, -1, "", true, color);
        } else {
            item = panel->CreateIntervalData(0.0, 1.0, vantrel::DoubleArray(std::move(y)), points,
                vantrel::gdtLine, -1, "", true, color);
        }
        item->MaxLength(maxLength);
        graph.items.push_back(item);
    }
    graph.source->PanelList()->Add(panel);
    graph.G().DrawFromSources(graph.source, true, true);
    return graph;
}

// Every array the items hold, read once, the bits folded in four independent chains.
double ReadAllSeconds(const Graph& graph)
{
    return bench::FastestSeconds(
        3,
        [&] {
            uint64_t a = 0, b = 0, c = 0, d = 0;
            const auto read = [&](const vantrel::XYItem_Data::ArrayView& view, int64_t count) {
                const double* v = view.zero;
                for (int64_t k = 0; k + 3 < count; k += 4) {
                    a |= std::bit_cast<uint64_t>(v[k]);
                    b |= std::bit_cast<uint64_t>(v[k + 1]);
                    c |= std::bit_cast<uint64_t>(v[k + 2]);
                    d |= std::bit_cast<uint64_t>(v[k + 3]);
                }
            };
            for (const auto& item : graph.items) {
                read(item->YView(), item->Length());
                if (!item->UseInterval())
                    read(item->XView(), item->Length());
            }
            benchmark::DoNotOptimize(a | b | c | d);
        },
        bench::ThreadSeconds);
}

double RedrawSeconds(Graph& graph, int repeats)
{
    return bench::FastestSeconds(
        repeats, [&] { graph.G().Redraw(); }, bench::ThreadSeconds);
}

double ArrayBytes(const Graph& graph)
{
    double bytes = 0;
    for (const auto& item : graph.items)
        bytes += 8.0 * item->Length() * (item->UseInterval() ? 1 : 2);
    return bytes;
}

double PyramidBytes(const Graph& graph)
{
    double bytes = 0;
    for (const auto& item : graph.items)
        bytes += static_cast<double>(item->SummaryBytes());
    return bytes;
}

// What no summary can take away from a replay of `graph`, in seconds: the control's fixed part
// (the same 16 items holding two points each), and that plus painting the columns (the same
// items holding four points a column, its first, lowest, highest and last, which paint the
// same spans and connectors; so few points a column are read directly, with no summary).
struct Floors {
    double fixed = 0;
    double spans = 0;
};

Floors FloorSeconds(const Graph& graph, int32_t points)
{
    constexpr int32_t kColumns = 1000;
    const double perColumn = static_cast<double>(points) / kColumns;
    const auto replay = [&](const auto& fill, int32_t count, double xStart, double xStep) {
        Graph floor;
        floor.host = std::make_unique<vantrel::HeadlessHost>(kControlWidth, kControlHeight);
        floor.host->InitNew();
        floor.source = std::make_shared<vantrel::GraphData>();
        floor.source->Bounds()->SetRecord({ 0.0, static_cast<double>(points), 0.5, 2.5 });
        auto panel = std::make_shared<vantrel::PanelData>();
        for (int32_t s = 0; s < kSeries; ++s) {
            std::vector<double> y(static_cast<size_t>(count));
            fill(s, y);
            panel->CreateIntervalData(xStart, xStep, vantrel::DoubleArray(std::move(y)), count,
                vantrel::gdtLine, -1, "", true, 0x10101 * (s * 12));
        }
        floor.source->PanelList()->Add(panel);
        floor.G().DrawFromSources(floor.source, true, true);
        return RedrawSeconds(floor, 5);
    };
    Floors floors;
    floors.fixed
        = replay([](int32_t, std::vector<double>& y) { std::fill(y.begin(), y.end(), 1.5); }, 2,
            0.0, points);
    floors.spans = replay(
        [&](int32_t s, std::vector<double>& y) {
            const vantrel::XYItem_Data& item = *graph.items[static_cast<size_t>(s)];
            const double* v = item.YView().zero;
            for (int32_t c = 0; c < kColumns; ++c) {
                const auto begin = static_cast<int64_t>(std::max(0.0, (c - 0.5) * perColumn));
                const auto end
                    = static_cast<int64_t>(std::min<double>(points, (c + 0.5) * perColumn));
                const auto [low, high] = std::minmax_element(v + begin, v + end);
                const double column[4] = { v[begin], *low, *high, v[end - 1] };
                std::copy(column, column + 4, y.begin() + 4 * c);
            }
        },
        4 * kColumns, -0.375 * perColumn, 0.25 * perColumn);
    return floors;
}

// Argument: 1 for explicit X arrays. Full range, then a thousandth of it at three places.
void Replay(benchmark::State& state)
{
    const int32_t points = PointsPerSeries();
    Graph graph = Make(points, state.range(0) != 0, false);
    const double floor = ReadAllSeconds(graph);
    graph.G().Redraw(); // builds the pyramids
    double full = std::numeric_limits<double>::infinity();
    double zoomed = 0;
    for (auto _ : state) {
        full = std::min(full, RedrawSeconds(graph, 3));
        zoomed = 0;
        for (const double at : { 0.1, 0.5, 0.9 }) {
            const double left = at * points;
            graph.G().ZoomUser(left, 0.5, left + points / 1000.0, 2.5);
            zoomed = std::max(zoomed, RedrawSeconds(graph, 3));
        }
        graph.G().ZoomOff();
    }
    state.counters["redraw_ms"] = full * 1e3;
    state.counters["read_arrays_ms"] = floor * 1e3;
    state.counters["ratio_to_read_arrays"] = full / floor;
    state.counters["zoomed_ratio_to_full"] = zoomed / full;
    state.counters["pyramid_to_arrays"] = PyramidBytes(graph) / ArrayBytes(graph);
    const Floors floors = FloorSeconds(graph, points);
    state.counters["fixed_ms"] = floors.fixed * 1e3;
    state.counters["spans_ms"] = floors.spans * 1e3;
    state.counters["spans_ratio_to_read_arrays"] = floors.spans / floor;
}

// The interval replay on a logarithmic Y axis against the same replay on a linear one.
void ReplayLogY(benchmark::State& state)
{
    const int32_t points = PointsPerSeries();
    double linear = 0;
    {
        Graph graph = Make(points, false, false);
        graph.G().Redraw();
        linear = RedrawSeconds(graph, 3);
    }
    Graph graph = Make(points, false, true);
    const double floor = ReadAllSeconds(graph);
    graph.G().Redraw(); // builds the pyramids of the logarithms
    double best = std::numeric_limits<double>::infinity();
    for (auto _ : state)
        best = std::min(best, RedrawSeconds(graph, 3));
    state.counters["redraw_ms"] = best * 1e3;
    state.counters["ratio_to_linear"] = best / linear;
    state.counters["ratio_to_read_arrays"] = best / floor;
    state.counters["pyramid_to_arrays"] = PyramidBytes(graph) / ArrayBytes(graph);
}

// Sliding windows: each frame appends 1000 points to each of the 16 series (the oldest 1000
// dropped), scrolls the X range by as much and redraws. The mean frame includes the storage's
// moves to fresh storage, which start once per quarter window of drops and copy a part per
// append (the worst frame shows whether any frame pays for a whole move).
void LiveFrames(benchmark::State& state)
{
    const int32_t points = PointsPerSeries();
    constexpr int32_t kChunk = 1000;
    Graph graph = Make(points, false, false, points);
    const double floor = ReadAllSeconds(graph);
    graph.G().Redraw();
    std::vector<double> chunk(kChunk);
    int64_t appended = points;
    const auto frame = [&] {
        for (int32_t s = 0; s < kSeries; ++s) {
            for (int32_t i = 0; i < kChunk; ++i)
                chunk[static_cast<size_t>(i)] = Sample(appended + i, s);
            graph.items[static_cast<size_t>(s)]->AppendY(vantrel::DoubleArray(chunk), kChunk);
        }
        appended += kChunk;
        const double start = graph.items[0]->XStart();
        graph.G().ZoomUser(start, 0.5, start + points, 2.5);
    };
    // Enough frames for every series to move its storage once (a quarter window dropped).
    const int frames = points / (4 * kChunk) + 20;
    // The first append outgrows the arrays the items were given (exactly their points) and
    // moves them once into storage with room; timed on its own.
    const double first = bench::FastestSeconds(1, frame, bench::ThreadSeconds);
    double total = 0;
    double worst = 0;
    for (auto _ : state) {
        total = 0;
        worst = 0;
        for (int f = 0; f < frames; ++f) {
            const double seconds = bench::FastestSeconds(1, frame, bench::ThreadSeconds);
            total += seconds;
            worst = std::max(worst, seconds);
        }
    }
    const double mean = total / frames;
    state.counters["frame_ms"] = mean * 1e3;
    state.counters["worst_frame_ms"] = worst * 1e3;
    state.counters["first_frame_ms"] = first * 1e3;
    state.counters["read_arrays_ms"] = floor * 1e3;
    state.counters["ratio_to_read_arrays"] = mean / floor;
    state.counters["spans_ratio_to_read_arrays"] = FloorSeconds(graph, points).spans / floor;
}

} // namespace

BENCHMARK(Replay)
    ->ArgNames({ "xarrays" })
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(ReplayLogY)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(LiveFrames)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
