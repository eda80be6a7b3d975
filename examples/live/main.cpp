// A live host: 16 channels sampled at 10 kHz, each shown as a sliding window of the last minute,
// scrolled as samples arrive, with one zoom into a tenth of a second while streaming.
//
//   live <folder> [seconds]
//
// The window is filled with a minute of history first, then `seconds` (default 4) of acquisition
// are streamed in frames of 25 ms (250 samples per channel). Prints the median and worst frame
// times and writes a few frames as PNG files into <folder>.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace {

constexpr int32_t kChannels = 16;
constexpr double kRate = 10'000.0; // samples per second
constexpr int32_t kWindow = 60 * 10'000; // one minute of samples
constexpr int32_t kFrameSamples = 250; // 25 ms

// Channel c lies in the band c .. c + 1: a slow wave, a fast one and some noise.
double Sample(int32_t channel, int64_t k)
{
    const double t = static_cast<double>(k) / kRate;
    const double noise = static_cast<double>((k * 2654435761u + channel * 40503u) % 1000) / 1e4;
    return channel + 0.5 + 0.3 * std::sin(t * (0.5 + 0.2 * channel))
        + 0.1 * std::sin(t * 377.0 + channel) + noise - 0.05;
}

std::vector<double> Samples(int32_t channel, int64_t first, int32_t count)
{
    std::vector<double> values(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        values[static_cast<size_t>(i)] = Sample(channel, first + i);
    return values;
}

double Milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: live <folder> [seconds]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const double seconds = argc > 2 ? std::atof(argv[2]) : 4.0;
    std::filesystem::create_directories(folder);

    vantrel::HeadlessHost host(1116, 716);
    host.InitNew();
    vantrel::OrvGraph& graph = host.Graph();

    // The channels as retained items that keep the last minute; the history is handed over
    // without a copy.
    auto source = std::make_shared<vantrel::GraphData>();
    source->Bounds()->SetRecord({ 0.0, kWindow / kRate, 0.0, static_cast<double>(kChannels) });
    auto panel = std::make_shared<vantrel::PanelData>();
    std::vector<vantrel::Ref<vantrel::XYItem_Data>> channels;
    for (int32_t c = 0; c < kChannels; ++c) {
        auto item = panel->CreateIntervalData(0.0, 1.0 / kRate,
            vantrel::DoubleArray(Samples(c, 0, kWindow)), kWindow, vantrel::gdtLine, -1,
            "channel " + std::to_string(c), true, 0x010101 * (c * 9) + 0x400000 * (c % 3));
        item->MaxLength(kWindow);
        channels.push_back(item);
    }
    source->PanelList()->Add(panel);
    graph.DrawFromSources(source, true, true);

    const int32_t frameCount = std::max(1, static_cast<int32_t>(seconds * kRate / kFrameSamples));
    const int32_t zoomFrom = frameCount / 2;
    const int32_t zoomTo = zoomFrom + std::max(1, frameCount / 8);
    std::vector<double> frameMs;
    int64_t next = kWindow;
    for (int32_t f = 0; f < frameCount; ++f) {
        const auto start = std::chrono::steady_clock::now();
        for (int32_t c = 0; c < kChannels; ++c)
            channels[static_cast<size_t>(c)]->AppendY(
                vantrel::DoubleArray(Samples(c, next, kFrameSamples)), kFrameSamples);
        next += kFrameSamples;
        // Scroll: the window's X range follows the newest sample; while zoomed, the last tenth
        // of a second of channels 6 to 9.
        const double left = channels[0]->XStart();
        const double right = left + kWindow / kRate;
        if (f >= zoomFrom && f < zoomTo)
            graph.ZoomUser(right - 0.1, 6.0, right, 10.0);
        else
            graph.ZoomUser(left, 0.0, right, static_cast<double>(kChannels));
        frameMs.push_back(Milliseconds(std::chrono::steady_clock::now() - start));

        if (f == 0 || f == zoomFrom || f == frameCount - 1) {
            const std::string name = f == 0 ? "live-first.png"
                : f == zoomFrom             ? "live-zoomed.png"
                                            : "live-last.png";
            host.SavePng((folder / name).string());
            std::printf("%s\n", (folder / name).string().c_str());
        }
    }

    std::vector<double> sorted = frameMs;
    std::sort(sorted.begin(), sorted.end());
    // The first append moves each channel's minute into storage with room for the window's
    // growth: a one-time cost, printed apart.
    const double worstLater
        = frameMs.size() > 1 ? *std::max_element(frameMs.begin() + 1, frameMs.end()) : 0.0;
    std::printf("%d channels x %d points, %d frames of %d samples per channel: median %.2f ms, "
                "worst %.2f ms (first frame %.2f ms, worst after it %.2f ms)\n",
        kChannels, kWindow, frameCount, kFrameSamples, sorted[sorted.size() / 2], sorted.back(),
        frameMs.front(), worstLater);
    return 0;
}
