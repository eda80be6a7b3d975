// The data loaders against their floors, measured in the same run:
// - delimited text: ParseDelimitedText of a 2-column CSV, as a ratio to 300 MB/s and to a floor
//   that only finds the line ends (memchr) of the same text;
// - GraphData JSON: LoadGraphData of a 10-million-point model, as a ratio to 200 MB/s of file and
//   to a floor that only reads the file into fresh memory.
// Ratios above 1 beat the target rate; "x_floor" says how many floors one load costs. Times are
// the thread's processor time: one core's work, whatever else the machine runs.
#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <loaders/DelimitedText.h>
#include <memory>
#include <string>
#include <vantrel/GraphDataJson.h>

namespace {

std::string Csv(std::size_t rows)
{
    std::string text = "time,value\n";
    text.reserve(rows * 24);
    char line[64];
    for (std::size_t i = 0; i < rows; ++i) {
        const double t = static_cast<double>(i) * 1e-4;
        const int n = std::snprintf(line, sizeof line, "%.4f,%.6f\n", t, std::sin(t * 50.0) * 3.7);
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

std::size_t CountLines(const std::string& text)
{
    std::size_t lines = 0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (
        (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p))))) {
        ++p;
        ++lines;
    }
    return lines;
}

void ParseCsv(benchmark::State& state)
{
    const std::string text = Csv(2'000'000);
    const double floor = bench::FastestSeconds(
        3, [&] { benchmark::DoNotOptimize(CountLines(text)); }, bench::ThreadSeconds);
    double best = 1e9;
    for (auto _ : state) {
        const double start = bench::ThreadSeconds();
        const auto table = vantrel::loaders::ParseDelimitedText(text, "bench");
        best = std::min(best, bench::ThreadSeconds() - start);
        benchmark::DoNotOptimize(table.Rows());
    }
    const double megabytesPerSecond = static_cast<double>(text.size()) / best / 1e6;
    state.counters["MB_per_s"] = megabytesPerSecond;
    state.counters["ratio_to_300MBps"] = megabytesPerSecond / 300.0;
    state.counters["x_floor"] = best / floor;
}
BENCHMARK(ParseCsv)->Iterations(3)->Unit(benchmark::kMillisecond);

void LoadModel(benchmark::State& state)
{
    constexpr std::size_t kPoints = 10'000'000;
    const std::string path = "/tmp/vantrel-bench-model.json";
    {
        std::vector<double> x(kPoints);
        std::vector<double> y(kPoints);
        for (std::size_t i = 0; i < kPoints; ++i) {
            x[i] = static_cast<double>(i) * 1e-3;
            y[i] = std::sin(x[i]);
        }
        auto data = std::make_shared<vantrel::GraphData>();
        auto panel = std::make_shared<vantrel::PanelData>();
        panel->CreateData(vantrel::DoubleArray(std::move(x)), vantrel::DoubleArray(std::move(y)),
            static_cast<int32_t>(kPoints), vantrel::gdtLine);
        data->PanelList()->Add(panel);
        vantrel::SaveGraphData(data, path);
    }
    std::ifstream probe(path, std::ios::binary | std::ios::ate);
    const auto bytes = static_cast<double>(probe.tellg());
    const double floor = bench::FastestSeconds(
        2,
        [&] {
            const std::unique_ptr<char[]> buffer(new char[static_cast<std::size_t>(bytes)]);
            std::FILE* file = std::fopen(path.c_str(), "rb");
            benchmark::DoNotOptimize(
                std::fread(buffer.get(), 1, static_cast<std::size_t>(bytes), file));
            std::fclose(file);
        },
        bench::ThreadSeconds);
    double best = 1e9;
    for (auto _ : state) {
        const double start = bench::ThreadSeconds();
        const auto data = vantrel::LoadGraphData(path);
        best = std::min(best, bench::ThreadSeconds() - start);
        benchmark::DoNotOptimize(data->PanelList()->Count());
    }
    std::remove(path.c_str());
    const double megabytesPerSecond = bytes / best / 1e6;
    state.counters["MB_per_s"] = megabytesPerSecond;
    state.counters["ratio_to_200MBps"] = megabytesPerSecond / 200.0;
    state.counters["x_floor"] = best / floor;
}
BENCHMARK(LoadModel)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
