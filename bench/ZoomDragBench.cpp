// A pointer move during a zoom drag: the control's work against a floor measured in the same
// run (a plain loop inverting the pixels the move must change), at two plot sizes, and the same
// move with the software host's presentation of the picture added.
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <gdi/Gdi.h>
#include <vantrel/OrvGraph.h>
#include <vantrel/hostkit/SimpleContainer.h>
#include <vantrel/hostkit/SoftPicture.h>

namespace {

using vantrel::hostkit::SoftPicture;

// The plot area as the control sees it, passed through to a software picture, with Cls and
// Refresh counted. With `present` false Refresh only counts: the control's own work is measured
// without the software host's full copy of the image to the screen, which a windowing system
// does in its compositor.
class CountingPicture final : public vantrel::platform::PictureSurface {
public:
    CountingPicture(SoftPicture& picture, bool present)
        : picture_(picture)
        , present_(present)
    {
    }

    int64_t clears = 0;
    int64_t refreshes = 0;

    bool AutoRedraw() const override { return picture_.AutoRedraw(); }
    void AutoRedraw(bool value) override { picture_.AutoRedraw(value); }
    void Cls() override
    {
        ++clears;
        picture_.Cls();
    }
    void Refresh() override
    {
        ++refreshes;
        if (present_)
            picture_.Refresh();
    }
    gdi::HDC hDC() const override { return picture_.hDC(); }
    vantrel::OleColor BackColor() const override { return picture_.BackColor(); }
    void BackColor(vantrel::OleColor value) override { picture_.BackColor(value); }
    vantrel::OleColor ForeColor() const override { return picture_.ForeColor(); }
    void ForeColor(vantrel::OleColor value) override { picture_.ForeColor(value); }
    int16_t Appearance() const override { return picture_.Appearance(); }
    void Appearance(int16_t value) override { picture_.Appearance(value); }
    int16_t MousePointer() const override { return picture_.MousePointer(); }
    void MousePointer(int16_t value) override { picture_.MousePointer(value); }
    bool Enabled() const override { return picture_.Enabled(); }
    void Enabled(bool value) override { picture_.Enabled(value); }
    std::string ToolTipText() const override { return picture_.ToolTipText(); }
    void ToolTipText(std::string value) override { picture_.ToolTipText(std::move(value)); }
    float ScaleWidth() const override { return picture_.ScaleWidth(); }
    float ScaleHeight() const override { return picture_.ScaleHeight(); }
    float Left() const override { return picture_.Left(); }
    void Left(float value) override { picture_.Left(value); }
    float Top() const override { return picture_.Top(); }
    void Top(float value) override { picture_.Top(value); }
    float Width() const override { return picture_.Width(); }
    void Width(float value) override { picture_.Width(value); }
    float Height() const override { return picture_.Height(); }
    void Height(float value) override { picture_.Height(value); }
    void Move(float left, float top, float width, float height) override
    {
        picture_.Move(left, top, width, height);
    }
    float TextWidth(std::string_view text) const override { return picture_.TextWidth(text); }
    float TextHeight(std::string_view text) const override { return picture_.TextHeight(text); }
    void SetListener(vantrel::platform::PictureListener* listener) override
    {
        picture_.SetListener(listener);
    }

private:
    SoftPicture& picture_;
    bool present_;
};

// A scaled graph whose plot area (without the frame's margins) is width x height pixels, with
// a few hundred retained lines on it.
struct DragSetup {
    DragSetup(int32_t width, int32_t height, bool present)
        : container(static_cast<float>(width + 4) * 15.0f, static_cast<float>(height + 4) * 15.0f)
        , inside(soft, present)
        , graph(container, frame, inside)
    {
        graph.InitProperties();
        graph.Resize();
        graph.FrameEnabled(false);
        graph.Clear();
        graph.SetScale(0, 0, 1000, 1000);
        for (int i = 0; i < 200; ++i)
            graph.DrawLine(i * 5.0, 0, 1000 - i * 5.0, 1000, 0x3366CC * (i + 1), false);
        graph.Refresh();
    }

    vantrel::hostkit::SimpleContainer container;
    SoftPicture frame;
    SoftPicture soft;
    CountingPicture inside;
    vantrel::OrvGraph graph;
};

// The floor: nanoseconds for a plain loop to invert the pixels that one move must change on
// the same bitmap: the dots (3 on, 3 off) of the previous pointer's column and row, then those
// of the new pointer's, one pixel further on.
double FloorNanos(const gdi::PixelView surface, int32_t column, int32_t row)
{
    const int repeats = 4000;
    const auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < repeats; ++r) {
        for (int32_t shift = 0; shift < 2; ++shift) {
            uint32_t* down = surface.pixels + column + shift;
            for (int32_t y = 0; y < surface.height; ++y, down += surface.stride)
                if (y % 6 < 3)
                    *down ^= 0x00FFFFFFu;
            uint32_t* across
                = surface.pixels + static_cast<std::ptrdiff_t>(row + shift) * surface.stride;
            for (int32_t x = 0; x < surface.width; ++x)
                if (x % 6 < 3)
                    across[x] ^= 0x00FFFFFFu;
        }
        benchmark::DoNotOptimize(surface.pixels);
        benchmark::ClobberMemory();
    }
    const auto nanos
        = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start);
    return nanos.count() / repeats;
}

// Arguments: plot width, plot height, 1 to present every move on the software screen.
void PointerMoveDuringDrag(benchmark::State& state)
{
    const auto width = static_cast<int32_t>(state.range(0));
    const auto height = static_cast<int32_t>(state.range(1));
    const bool present = state.range(2) != 0;
    DragSetup setup(width, height, present);
    const float x = static_cast<float>(width) / 3.0f;
    const float y = static_cast<float>(height) / 3.0f;
    // The retained image, into which the control draws during the drag.
    const gdi::PixelView image = setup.soft.ImageView();
    const double floor
        = FloorNanos(image, static_cast<int32_t>(x) + 100, static_cast<int32_t>(y) + 100);
    setup.soft.InjectMouseDown(1, 0, x, y);
    setup.soft.InjectMouseMove(1, 0, x + 100.0f, y + 100.0f);
    const int64_t clearsBefore = setup.inside.clears;
    float step = 0.0f;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        step = step == 0.0f ? 1.0f : 0.0f;
        setup.soft.InjectMouseMove(1, 0, x + 100.0f + step, y + 100.0f + step);
    }
    const auto nanos
        = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start);
    const double perMove = nanos.count() / static_cast<double>(state.iterations());
    state.counters["ns_per_move"] = perMove;
    state.counters["floor_ns"] = floor;
    state.counters["ratio_to_floor"] = perMove / floor;
    // Never a redraw: the plot area is not erased during the drag.
    state.counters["clears"] = static_cast<double>(setup.inside.clears - clearsBefore);
}

BENCHMARK(PointerMoveDuringDrag)
    ->ArgNames({ "w", "h", "present" })
    ->Args({ 640, 480, 0 })
    ->Args({ 2560, 1920, 0 })
    ->Args({ 640, 480, 1 })
    ->Args({ 2560, 1920, 1 });

} // namespace

BENCHMARK_MAIN();
