// LineTo with a 1-pixel solid pen on long lines, against a floor measured in the same run: a
// plain loop writing the same pixels.
#include "gdi/Gdi.h"
#include "gdi/Pixmap.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstddef>

namespace {

constexpr int32_t kSize = 2048;

struct Direction {
    int32_t dx;
    int32_t dy;
};

constexpr Direction kHorizontal { 1, 0 };
constexpr Direction kVertical { 0, 1 };
constexpr Direction kDiagonal { 1, 1 };

// A kSize x kSize pixmap with a 1-pixel solid pen selected, released at the end.
class LineCanvas {
public:
    LineCanvas()
        : pen_(gdi::CreatePen(gdi::PS_SOLID, 1, 0x00123456u))
    {
        oldPen_ = gdi::SelectObject(pixmap_.Dc(), pen_);
    }
    ~LineCanvas()
    {
        gdi::SelectObject(pixmap_.Dc(), oldPen_);
        gdi::DeleteObject(pen_);
    }
    LineCanvas(const LineCanvas&) = delete;
    LineCanvas& operator=(const LineCanvas&) = delete;

    gdi::HDC Dc() const { return pixmap_.Dc(); }
    gdi::PixelView Pixels() const { return pixmap_.View(); }

private:
    gdi::Pixmap pixmap_ { kSize, kSize };
    gdi::HPEN pen_;
    gdi::HGDIOBJ oldPen_ = 0;
};

// The floor: nanoseconds per pixel of a plain loop setting the same kSize - 1 pixels.
double FloorNanosPerPixel(Direction direction)
{
    static double floors[3] = { 0, 0, 0 };
    double& floor = floors[direction.dx + 2 * direction.dy - 1];
    if (floor > 0)
        return floor;
    LineCanvas canvas;
    const gdi::PixelView surface = canvas.Pixels();
    const std::ptrdiff_t step
        = direction.dx + static_cast<std::ptrdiff_t>(direction.dy) * surface.stride;
    uint32_t colour = 1;
    const int repeats = 20000;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < repeats; ++r) {
        uint32_t* pixel = surface.pixels;
        for (int32_t i = 0; i < kSize - 1; ++i, pixel += step)
            *pixel = colour;
        benchmark::DoNotOptimize(surface.pixels);
        benchmark::ClobberMemory();
        colour ^= 0x00FFFFFFu;
    }
    const double nanos
        = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
              .count();
    floor = nanos / (static_cast<double>(repeats) * (kSize - 1));
    return floor;
}

void LineToBench(benchmark::State& state, Direction direction)
{
    const double floor = FloorNanosPerPixel(direction);
    LineCanvas canvas;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        gdi::MoveToEx(canvas.Dc(), 0, 0, nullptr);
        gdi::LineTo(canvas.Dc(), direction.dx * (kSize - 1), direction.dy * (kSize - 1));
        benchmark::ClobberMemory();
    }
    const double nanos
        = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
              .count();
    const double pixels = static_cast<double>(state.iterations()) * (kSize - 1);
    state.SetItemsProcessed(static_cast<int64_t>(pixels));
    state.counters["ns_per_pixel"] = nanos / pixels;
    state.counters["floor_ns_per_pixel"] = floor;
    state.counters["ratio_to_floor"] = nanos / pixels / floor;
}

void Horizontal(benchmark::State& state) { LineToBench(state, kHorizontal); }
void Vertical(benchmark::State& state) { LineToBench(state, kVertical); }
void Diagonal(benchmark::State& state) { LineToBench(state, kDiagonal); }

BENCHMARK(Horizontal);
BENCHMARK(Vertical);
BENCHMARK(Diagonal);

} // namespace

BENCHMARK_MAIN();
