// The Qt widget's presentation on the offscreen platform, against floors measured in the same
// run: a pointer move of a zoom drag on a 1920 x 1080 widget (what presenting adds to the
// control's own work, against a plain loop inverting the pixels the move changes), and a full
// redraw presented (against the same redraw on the off-screen host).
#include "../BenchSupport.h"
#include "../CountingPicture.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <cmath>
#include <ctime>
#include <vantrel/HeadlessHost.h>
#include <vantrel/hostkit/SimpleContainer.h>
#include <vantrel/qt/GraphWidget.h>
#include <vector>

namespace {

constexpr int widgetWidth = 1920;
constexpr int widgetHeight = 1080;
constexpr int repeats = 300;

// What both hosts draw: a few hundred lines and a long series.
void DrawContent(vantrel::OrvGraph& graph)
{
    graph.Clear();
    graph.SetScale(0, 0, 1000, 1000);
    for (int i = 0; i < 200; ++i)
        graph.DrawLine(i * 5.0, 0, 1000 - i * 5.0, 1000, 0x3366CC * (i + 1), false);
    std::vector<double> ys(100000);
    for (std::size_t k = 0; k < ys.size(); ++k)
        ys[k] = 500.0 + 400.0 * std::sin(static_cast<double>(k) * 0.001);
    graph.DrawY(vantrel::gdtLine, 0.0, 0.01, vantrel::DoubleArray(ys),
        static_cast<int32_t>(ys.size()), 0x0000C0, 255, false, false);
    graph.Refresh();
}

// The control alone on software pictures whose Refresh does nothing: its own work per move.
struct BareControl {
    BareControl()
        : container(widgetWidth * 15.0f, widgetHeight * 15.0f)
        , inside(soft, false)
        , graph(container, frame, inside)
    {
        graph.InitProperties();
        graph.Resize();
        DrawContent(graph);
    }
    vantrel::hostkit::SimpleContainer container;
    vantrel::hostkit::SoftPicture frame;
    vantrel::hostkit::SoftPicture soft;
    bench::CountingPicture inside;
    vantrel::OrvGraph graph;
};

// Inverts the dots (3 on, 3 off) of two columns and two rows of a width x height picture: the
// pixels one move of the selection changes.
double FloorSeconds(int32_t width, int32_t height)
{
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    const int32_t column = width / 2;
    const int32_t row = height / 2;
    return bench::FastestSeconds(
        repeats,
        [&] {
            for (int32_t shift = 0; shift < 2; ++shift) {
                for (int32_t y = 0; y < height; ++y)
                    if (y % 6 < 3)
                        pixels[static_cast<std::size_t>(y) * width + column + shift] ^= 0x00FFFFFFu;
                uint32_t* across = pixels.data() + static_cast<std::ptrdiff_t>(row + shift) * width;
                for (int32_t x = 0; x < width; ++x)
                    if (x % 6 < 3)
                        across[x] ^= 0x00FFFFFFu;
            }
            benchmark::DoNotOptimize(pixels.data());
            benchmark::ClobberMemory();
        },
        bench::ThreadSeconds);
}

// The processor time of every thread of the process: QPainter converts large images on Qt's
// thread pool, which the painting thread's own clock does not see.
double ProcessSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// What the event loop does after an input event, without waiting for the window system.
void Present(QWidget&) { QCoreApplication::sendPostedEvents(); }

void RubberBandMove(benchmark::State& state)
{
    vantrel::qt::GraphWidget widget;
    widget.resize(widgetWidth, widgetHeight);
    widget.show();
    DrawContent(widget.graph());
    // Arguments: 1 for the pointer read-out on (the tooltip changes with every move).
    if (state.range(0) == 0) {
        widget.graph().XAxisToolTip(false);
        widget.graph().YAxisToolTip(false);
        widget.graph().Redraw();
    }
    QCoreApplication::processEvents();
    BareControl bare;
    const int32_t plotWidth = bare.graph.GraphPixelWidth();
    const int32_t plotHeight = bare.graph.GraphPixelHeight();
    const float x = static_cast<float>(plotWidth) / 3.0f;
    const float y = static_cast<float>(plotHeight) / 3.0f;
    const QPointF origin(82, 82);
    auto move = [&](float px, float py) {
        QMouseEvent event(QEvent::MouseMove, origin + QPointF(px, py), origin + QPointF(px, py),
            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
        Present(widget);
    };
    QMouseEvent press(QEvent::MouseButtonPress, origin + QPointF(x, y), origin + QPointF(x, y),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    move(x + 100.0f, y + 100.0f);
    bare.soft.InjectMouseDown(1, 0, x, y);
    bare.soft.InjectMouseMove(1, 0, x + 100.0f, y + 100.0f);

    double widgetSeconds = 0;
    double controlSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        float step = 0.0f;
        widgetSeconds = bench::FastestSeconds(
            repeats,
            [&] {
                step = 1.0f - step;
                move(x + 100.0f + step, y + 100.0f + step);
            },
            bench::ThreadSeconds);
        controlSeconds = bench::FastestSeconds(
            repeats,
            [&] {
                step = 1.0f - step;
                bare.soft.InjectMouseMove(1, 0, x + 100.0f + step, y + 100.0f + step);
            },
            bench::ThreadSeconds);
        floorSeconds = FloorSeconds(plotWidth, plotHeight);
    }
    const double presenting = widgetSeconds - controlSeconds;
    state.counters["move_us"] = widgetSeconds * 1e6;
    state.counters["control_us"] = controlSeconds * 1e6;
    state.counters["floor_us"] = floorSeconds * 1e6;
    state.counters["presenting_ratio_to_floor"] = presenting / floorSeconds;
}

void FullRedrawPresented(benchmark::State& state)
{
    vantrel::qt::GraphWidget widget;
    widget.resize(widgetWidth, widgetHeight);
    widget.show();
    DrawContent(widget.graph());
    QCoreApplication::processEvents();
    vantrel::HeadlessHost host(widgetWidth, widgetHeight);
    host.InitNew();
    DrawContent(host.Graph());
    double widgetSeconds = 0;
    double hostSeconds = 0;
    double widgetProcessSeconds = 0;
    double hostProcessSeconds = 0;
    const auto presented = [&] {
        widget.graph().Redraw();
        Present(widget);
    };
    const auto headless = [&] { host.Graph().Redraw(); };
    for (auto _ : state) {
        widgetSeconds = bench::FastestSeconds(20, presented, bench::ThreadSeconds);
        hostSeconds = bench::FastestSeconds(20, headless, bench::ThreadSeconds);
        widgetProcessSeconds = bench::FastestSeconds(20, presented, ProcessSeconds);
        hostProcessSeconds = bench::FastestSeconds(20, headless, ProcessSeconds);
    }
    state.counters["widget_ms"] = widgetSeconds * 1e3;
    state.counters["headless_ms"] = hostSeconds * 1e3;
    state.counters["ratio_to_headless"] = widgetSeconds / hostSeconds;
    state.counters["process_ratio_to_headless"] = widgetProcessSeconds / hostProcessSeconds;
}

BENCHMARK(RubberBandMove)
    ->ArgName("readout")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FullRedrawPresented)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
