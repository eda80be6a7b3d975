// Benchmarks of the plotting library: waveforms, zoomed series, long random lines and circles,
// each reported as a ratio to a floor measured in the same run.
#include "BenchSupport.h"
#include "gdi/Gdi.h"
#include "gdi/Pixmap.h"
#include "krevo/Krevo.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr int32_t kWidth = 1000;
constexpr int32_t kHeight = 600;
constexpr int32_t kWavePoints = 10'000'000;

// The floor: every value of the arrays read once, the bits folded so nothing is skipped.
uint64_t ReadOnce(const std::vector<double>& values)
{
    uint64_t a = 0, b = 0, c = 0, d = 0;
    const size_t n = values.size() / 4 * 4;
    for (size_t i = 0; i < n; i += 4) {
        a |= std::bit_cast<uint64_t>(values[i]);
        b |= std::bit_cast<uint64_t>(values[i + 1]);
        c |= std::bit_cast<uint64_t>(values[i + 2]);
        d |= std::bit_cast<uint64_t>(values[i + 3]);
    }
    return a | b | c | d;
}

const std::vector<double>& WaveY()
{
    static const std::vector<double> values = [] {
        std::vector<double> v(kWavePoints);
        std::mt19937 random(7);
        std::normal_distribution<double> noise(0.0, 0.05);
        for (int32_t k = 0; k < kWavePoints; ++k)
            v[k] = 0.8 * std::sin(k * 2e-5) + noise(random);
        return v;
    }();
    return values;
}

const std::vector<double>& WaveX()
{
    static const std::vector<double> values = [] {
        std::vector<double> v(kWavePoints);
        for (int32_t k = 0; k < kWavePoints; ++k)
            v[k] = k * 1e-3;
        return v;
    }();
    return values;
}

void UseThinCopyPen()
{
    SetDrawMode(gdi::R2_COPYPEN);
    SetPenProperties(gdi::PS_SOLID, 1, 0x0000FF00);
}

// Waveform, interval series: ratio to reading the Y array once (target at most 1.3).
void WaveformInterval(benchmark::State& state)
{
    const std::vector<double>& y = WaveY();
    gdi::Pixmap picture(kWidth, kHeight);
    UseThinCopyPen();
    const double pair[2] = { 0.0, 1.0 };
    const double xConv = double(kWidth) / kWavePoints;
    const double floor = bench::FastestSeconds(5, [&] { benchmark::DoNotOptimize(ReadOnce(y)); });
    double best = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        best = std::min(best, bench::FastestSeconds(1, [&] {
            DrawGraph2(static_cast<int32_t>(picture.Dc()), 0, pair, xConv, 0.0, y.data(), -300.0,
                300.0, kWavePoints, 1);
        }));
    }
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["ratio_to_read_y"] = best / floor;
}

// Waveform, explicit increasing X: ratio to reading X and Y once (target at most 1.5).
void WaveformArrays(benchmark::State& state)
{
    const std::vector<double>& x = WaveX();
    const std::vector<double>& y = WaveY();
    gdi::Pixmap picture(kWidth, kHeight);
    UseThinCopyPen();
    const double xConv = double(kWidth) / (kWavePoints * 1e-3);
    const double floor = bench::FastestSeconds(5, [&] {
        benchmark::DoNotOptimize(ReadOnce(x));
        benchmark::DoNotOptimize(ReadOnce(y));
    });
    double best = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        best = std::min(best, bench::FastestSeconds(1, [&] {
            DrawGraph2(static_cast<int32_t>(picture.Dc()), 0, x.data(), xConv, 0.0, y.data(),
                -300.0, 300.0, kWavePoints, 0);
        }));
    }
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["ratio_to_read_xy"] = best / floor;
}

// Zoomed: a tenth of the interval series on the picture; ratio to the full-range drawing
// (target at most 0.2).
void WaveformZoomed(benchmark::State& state)
{
    const std::vector<double>& y = WaveY();
    gdi::Pixmap picture(kWidth, kHeight);
    UseThinCopyPen();
    const double pair[2] = { 0.0, 1.0 };
    const double fullConv = double(kWidth) / kWavePoints;
    const double full = bench::FastestSeconds(3, [&] {
        DrawGraph2(static_cast<int32_t>(picture.Dc()), 0, pair, fullConv, 0.0, y.data(), -300.0,
            300.0, kWavePoints, 1);
    });
    const double zoomConv = fullConv * 10.0;
    const double zoomOffset = -zoomConv * (kWavePoints * 0.45);
    double best = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        best = std::min(best, bench::FastestSeconds(1, [&] {
            DrawGraph2(static_cast<int32_t>(picture.Dc()), 0, pair, zoomConv, zoomOffset, y.data(),
                -300.0, 300.0, kWavePoints, 1);
        }));
    }
    state.counters["full_ms"] = full * 1e3;
    state.counters["ratio_to_full"] = best / full;
}

// 10^6 random points as one line: pixels per second (target at least 10^9), and the ratio to
// storing the same number of pixels in a row.
void RandomLines(benchmark::State& state)
{
    constexpr int32_t points = 1'000'000;
    std::vector<double> x(points);
    std::vector<double> y(points);
    std::mt19937 random(11);
    int64_t pixels = 0;
    for (int32_t k = 0; k < points; ++k) {
        x[k] = std::uniform_int_distribution<int32_t>(0, kWidth - 1)(random);
        y[k] = std::uniform_int_distribution<int32_t>(0, kHeight - 1)(random);
        if (k > 0)
            pixels += static_cast<int64_t>(
                std::max(std::abs(x[k] - x[k - 1]), std::abs(y[k] - y[k - 1])));
    }
    gdi::Pixmap picture(kWidth, kHeight);
    UseThinCopyPen();
    std::vector<uint32_t> row(static_cast<size_t>(kWidth) * kHeight);
    const double floor = bench::FastestSeconds(3, [&] {
        for (int64_t done = 0; done < pixels; done += static_cast<int64_t>(row.size())) {
            std::fill(row.begin(), row.end(), static_cast<uint32_t>(done));
            benchmark::DoNotOptimize(row.data());
        }
    });
    double best = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        best = std::min(best, bench::FastestSeconds(1, [&] {
            DrawGraph2(static_cast<int32_t>(picture.Dc()), 0, x.data(), 1.0, 0.0, y.data(), 1.0,
                0.0, points, 0);
        }));
    }
    state.counters["gpixels_per_s"] = pixels / best * 1e-9;
    state.counters["ratio_to_fill"] = best / floor;
}

// 10^5 circles of radius 3: nanoseconds per circle (target at most 25), and the ratio to
// reading the arrays once.
void Circles(benchmark::State& state)
{
    constexpr int32_t points = 100'000;
    std::vector<double> x(points);
    std::vector<double> y(points);
    std::mt19937 random(13);
    for (int32_t k = 0; k < points; ++k) {
        x[k] = std::uniform_real_distribution<double>(0, kWidth)(random);
        y[k] = std::uniform_real_distribution<double>(0, kHeight)(random);
    }
    gdi::Pixmap picture(kWidth, kHeight);
    UseThinCopyPen();
    SetCirclePixelRadius(3);
    const double floor = bench::FastestSeconds(5, [&] {
        benchmark::DoNotOptimize(ReadOnce(x));
        benchmark::DoNotOptimize(ReadOnce(y));
    });
    double best = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        best = std::min(best, bench::FastestSeconds(1, [&] {
            DrawGraph2(static_cast<int32_t>(picture.Dc()), 5, x.data(), 1.0, 0.0, y.data(), 1.0,
                0.0, points, 0);
        }));
    }
    state.counters["ns_per_circle"] = best / points * 1e9;
    state.counters["ratio_to_read_xy"] = best / floor;
}

} // namespace

BENCHMARK(WaveformInterval)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(WaveformArrays)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(WaveformZoomed)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(RandomLines)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Circles)->Unit(benchmark::kMillisecond)->Iterations(20);

BENCHMARK_MAIN();
