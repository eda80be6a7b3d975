// vantrel-view against its floors, measured in the same run:
// - OpenCsv: a 10-million-row CSV from openFile until the graph is painted, as a ratio to
//   mapping and parsing the same file alone (target: at most 1.3), in wall time and in the
//   process's processor time;
// - Follow: a file growing by 10 000 rows a second on 4 channels, followed at a 1000 x 600 plot
//   for a few seconds; the viewer's processor time per second of wall time (target: under 0.1
//   of one core; the writer's own time is left out), then the time from writing a row until
//   the window has drawn it (target: 100 ms).
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "../BenchSupport.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <loaders/DelimitedText.h>
#include <loaders/TextFile.h>
#include <sys/resource.h>
#include <thread>
#include <vantrel/HeadlessHost.h>
#include <view/MainWindow.h>

namespace {

const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vantrel-view-bench";

std::string Rows(std::size_t first, std::size_t count, int channels)
{
    std::string text;
    char line[128];
    for (std::size_t i = first; i < first + count; ++i) {
        const double t = static_cast<double>(i) * 1e-4;
        int n = std::snprintf(line, sizeof line, "%.4f", t);
        for (int c = 0; c < channels; ++c)
            n += std::snprintf(line + n, sizeof line - static_cast<std::size_t>(n), ",%.6f",
                std::sin(t * (50.0 + c)) * 3.7 + c);
        line[n++] = '\n';
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

double ProcessCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

double ThreadCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_THREAD, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

struct Viewer {
    QSettings settings { QString::fromStdString((folder / "settings.ini").string()),
        QSettings::IniFormat };
    vantrel::view::MainWindow window { &settings };

    Viewer()
    {
        window.setInteractive(false);
        window.graphWidget().setFixedSize(1000, 600);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
    }

    void Open(const std::string& path)
    {
        QSignalSpy opened(&window, &vantrel::view::MainWindow::fileOpened);
        window.openFile(QString::fromStdString(path));
        if (!QTest::qWaitFor([&] { return !opened.isEmpty(); }, 600000))
            std::abort();
        // Painted: the widget's repaint has gone through.
        window.graphWidget().repaint();
    }
};

void OpenCsv(benchmark::State& state)
{
    const std::string path = (folder / "ten-million.csv").string();
    if (!std::filesystem::exists(path)) {
        FILE* out = std::fopen(path.c_str(), "w");
        std::fputs("time,value\n", out);
        for (std::size_t block = 0; block < 100; ++block)
            std::fputs(Rows(block * 100'000, 100'000, 1).c_str(), out);
        std::fclose(out);
    }
    const auto parseOnce = [&] {
        const vantrel::loaders::TextFile file(path);
        benchmark::DoNotOptimize(vantrel::loaders::ParseDelimitedText(file.Text(), path).Rows());
    };
    const double parse = bench::FastestSeconds(3, parseOnce);
    const double parseCpu = bench::FastestSeconds(3, parseOnce, ProcessCpuSeconds);
    vantrel::view::LoadRequest request;
    request.path = path;
    vantrel::view::LoadedFile loaded;
    const double load
        = bench::FastestSeconds(1, [&] { loaded = vantrel::view::LoadFile(request); });
    const double draw = bench::FastestSeconds(1, [&] {
        vantrel::HeadlessHost host(1000, 600);
        host.InitNew();
        host.Graph().DrawFromSources(loaded.data, true, true, true);
    });
    state.counters["load_s"] = load;
    state.counters["draw_s"] = draw;
    Viewer viewer;
    double best = 1e9;
    double bestCpu = 1e9;
    for (auto _ : state) {
        const double start = bench::WallSeconds();
        const double startCpu = ProcessCpuSeconds();
        viewer.Open(path);
        best = std::min(best, bench::WallSeconds() - start);
        bestCpu = std::min(bestCpu, ProcessCpuSeconds() - startCpu);
    }
    // Processor time of the whole process (the loading thread included) against the parse's:
    // the work added, whatever else the machine runs.
    state.counters["cpu_ratio_to_parse"] = bestCpu / parseCpu;
    state.counters["parse_s"] = parse;
    state.counters["open_s"] = best;
    state.counters["ratio_to_parse"] = best / parse;
}
BENCHMARK(OpenCsv)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void Follow(benchmark::State& state)
{
    constexpr int rowsPerSecond = 10'000;
    constexpr int writesPerSecond = 100;
    constexpr int channels = 4;
    const std::string path = (folder / "growing.csv").string();
    {
        FILE* out = std::fopen(path.c_str(), "w");
        std::fputs("time,a,b,c,d\n", out);
        std::fputs(Rows(0, rowsPerSecond, channels).c_str(), out);
        std::fclose(out);
    }
    Viewer viewer;
    viewer.window.setFollow(true);
    viewer.Open(path);
    QSignalSpy appended(&viewer.window, &vantrel::view::MainWindow::rowsAppended);
    const double seconds = 4.0;
    double fraction = 0;
    for (auto _ : state) {
        std::atomic<double> writerCpu { 0 };
        std::thread writer([&] {
            FILE* out = std::fopen(path.c_str(), "a");
            const auto start = std::chrono::steady_clock::now();
            const int writes = static_cast<int>(seconds * writesPerSecond);
            for (int w = 0; w < writes; ++w) {
                std::this_thread::sleep_until(
                    start + std::chrono::milliseconds(w * 1000 / writesPerSecond));
                const std::string rows
                    = Rows(static_cast<std::size_t>(rowsPerSecond + w * 100), 100, channels);
                std::fwrite(rows.data(), 1, rows.size(), out);
                std::fflush(out);
            }
            std::fclose(out);
            writerCpu = ThreadCpuSeconds();
        });
        const double wallStart = bench::WallSeconds();
        const double cpuStart = ProcessCpuSeconds();
        QTest::qWait(static_cast<int>(seconds * 1000) + 100);
        writer.join();
        const double cpu = ProcessCpuSeconds() - cpuStart - writerCpu;
        fraction = cpu / (bench::WallSeconds() - wallStart);
    }
    // Latency: single rows written 50 ms apart, each timed until the window has drawn it.
    std::vector<double> latencies;
    for (int probe = 0; probe < 20; ++probe) {
        QTest::qWait(50);
        const qsizetype before = appended.size();
        FILE* out = std::fopen(path.c_str(), "a");
        std::fputs(Rows(static_cast<std::size_t>(1'000'000 + probe), 1, channels).c_str(), out);
        const double written = bench::WallSeconds();
        std::fclose(out);
        if (!QTest::qWaitFor([&] { return appended.size() > before; }, 5000))
            std::abort();
        latencies.push_back(bench::WallSeconds() - written);
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["latency_median_ms"] = latencies[latencies.size() / 2] * 1e3;
    state.counters["latency_max_ms"] = latencies.back() * 1e3;
    state.counters["core_fraction"] = fraction;
    state.counters["ratio_to_target"] = fraction / 0.10;
    state.counters["appends"] = static_cast<double>(appended.size());
}
BENCHMARK(Follow)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::filesystem::create_directories(folder);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
