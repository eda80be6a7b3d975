// LineTo with a 1-pixel solid pen on long lines, against a floor measured in the same run: a
// plain loop writing the same pixels.
#include "gdi/Gdi.h"

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

// A DC on a kSize x kSize bitmap with a 1-pixel solid pen, released at the end.
class LineCanvas {
public:
    LineCanvas()
        : dc_(gdi::CreateCompatibleDC(0))
        , bitmap_(gdi::CreateBitmap32(kSize, kSize))
        , pen_(gdi::CreatePen(gdi::PS_SOLID, 1, 0x00123456u))
    {
        oldBitmap_ = gdi::SelectObject(dc_, bitmap_);
        oldPen_ = gdi::SelectObject(dc_, pen_);
        gdi::GetSurface(dc_, &surface_);
    }
    ~LineCanvas()
    {
        gdi::SelectObject(dc_, oldPen_);
        gdi::SelectObject(dc_, oldBitmap_);
        gdi::DeleteObject(pen_);
        gdi::DeleteObject(bitmap_);
        gdi::DeleteDC(dc_);
    }
    LineCanvas(const LineCanvas&) = delete;
    LineCanvas& operator=(const LineCanvas&) = delete;

    gdi::HDC Dc() const { return dc_; }
    const gdi::Surface& Pixels() const { return surface_; }

private:
    gdi::HDC dc_;
    gdi::HBITMAP bitmap_;
    gdi::HPEN pen_;
    gdi::HGDIOBJ oldBitmap_ = 0;
    gdi::HGDIOBJ oldPen_ = 0;
    gdi::Surface surface_;
};

// The floor: nanoseconds per pixel of a plain loop setting the same kSize - 1 pixels.
double FloorNanosPerPixel(Direction direction)
{
    static double floors[3] = { 0, 0, 0 };
    double& floor = floors[direction.dx + 2 * direction.dy - 1];
    if (floor > 0)
        return floor;
    LineCanvas canvas;
    const gdi::Surface& surface = canvas.Pixels();
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
