// The live example in a window: 16 channels sampled at 2 kHz scroll through a ten-second window
// as samples arrive every 25 ms. The wheel zooms (Ctrl: X only, Shift: Y only), a left drag
// zooms to a box, Alt+Left / Alt+Right step through the zooms and Home returns to the
// scrolling view. While zoomed the view stays where it is and the data moves through it.
//
//   qt-live [--frames N]     N: quit after N frames (for a run without a screen)
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cmath>
#include <string>
#include <vantrel/qt/GraphWidget.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace {

constexpr int32_t channelCount = 16;
constexpr double rate = 2'000.0; // samples per second
constexpr int32_t window = 10 * 2'000; // ten seconds of samples
constexpr int32_t frameSamples = 50; // 25 ms

// Channel c lies in the band c .. c + 1: a slow wave, a fast one and some noise.
double Sample(int32_t channel, int64_t k)
{
    const double t = static_cast<double>(k) / rate;
    const double noise = static_cast<double>((k * 2654435761u + channel * 40503u) % 1000) / 1e4;
    return channel + 0.5 + 0.3 * std::sin(t * (0.5 + 0.2 * channel))
        + 0.1 * std::sin(t * 37.0 + channel) + noise - 0.05;
}

vantrel::DoubleArray Samples(int32_t channel, int64_t first, int32_t count)
{
    std::vector<double> values(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        values[static_cast<size_t>(i)] = Sample(channel, first + i);
    return vantrel::DoubleArray(values);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    options.addOption({ "frames", "Quit after <n> frames.", "n" });
    options.process(app);
    const int frameLimit = options.value("frames").toInt();

    vantrel::qt::GraphWidget widget;
    widget.setWindowTitle("VantrelCtls: 16 live channels");
    widget.resize(1000, 700);
    widget.setWheelZoom(true);
    widget.setZoomHistoryKeys(true);
    vantrel::OrvGraph& graph = widget.graph();

    // The channels as retained items that keep the last ten seconds.
    auto source = std::make_shared<vantrel::GraphData>();
    source->Bounds()->SetRecord({ 0.0, window / rate, 0.0, double { channelCount } });
    auto panel = std::make_shared<vantrel::PanelData>();
    std::vector<vantrel::Ref<vantrel::XYItem_Data>> channels;
    for (int32_t c = 0; c < channelCount; ++c) {
        auto item = panel->CreateIntervalData(0.0, 1.0 / rate, Samples(c, 0, window), window,
            vantrel::gdtLine, -1, "channel " + std::to_string(c), true,
            0x010101 * (c * 9) + 0x400000 * (c % 3));
        item->MaxLength(window);
        channels.push_back(item);
    }
    source->PanelList()->Add(panel);
    graph.DrawFromSources(source, true, true);
    // A left drag marks a box; releasing the button zooms to it.
    QObject::connect(&widget, &vantrel::qt::GraphWidget::insideMouseReleased,
        [&graph](int button, int, double, double) {
            if (button == 1)
                graph.ZoomBox();
        });

    int64_t next = window;
    int frames = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (int32_t c = 0; c < channelCount; ++c)
            channels[static_cast<size_t>(c)]->AppendY(Samples(c, next, frameSamples), frameSamples);
        next += frameSamples;
        // Unzoomed, the scale follows the newest sample; a new scale is not a zoom, so the
        // history keeps only the user's zooms, and Home (ZoomOff) returns to the newest range.
        if (graph.ZoomState() == vantrel::grzOff) {
            const double left = channels[0]->XStart();
            graph.SetScale(left, 0.0, left + window / rate, double { channelCount });
        }
        graph.Redraw();
        if (frameLimit > 0 && ++frames >= frameLimit)
            app.quit();
    });
    timer.start(25);
    widget.show();
    return app.exec();
}
