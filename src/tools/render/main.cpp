// vantrel-render: data files to PNG pictures, the arguments read by CLI11.
#include "RenderInput.h"
#include "RenderOptions.h"

#include <CLI/CLI.hpp>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <malloc.h>
#include <map>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vantrel/Error.h>

using namespace vantrel::render_tool;

namespace {

constexpr std::size_t kProgressThreshold = 50u << 20;

bool ParseNumber(const std::string& text, double& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// "A<separator>B" as two numbers; CLI11 shows the message on failure.
std::string ParsePair(const std::string& text, char separator, Range& range)
{
    const auto at = text.find(separator);
    if (at == std::string::npos || !ParseNumber(text.substr(0, at), range.min)
        || !ParseNumber(text.substr(at + 1), range.max))
        return std::string("expected two numbers separated by '") + separator + "': " + text;
    return {};
}

void AddRange(CLI::App& app, const char* name, std::optional<Range>& into, const char* help)
{
    app.add_option_function<std::string>(
           name,
           [&into](const std::string& text) {
               Range range;
               const std::string error = ParsePair(text, ':', range);
               if (!error.empty())
                   throw CLI::ValidationError(error);
               into = range;
           },
           help)
        ->type_name("MIN:MAX");
}

// One line per problem, "PATH:LINE:COLUMN: what"; file-level problems carry position 0:0.
std::string ErrorLine(const std::string& input, const vantrel::Error& error)
{
    if (error.Number() == vantrel::errInvalidPropertyValue)
        return error.what();
    return (input == "-" ? std::string("<stdin>") : input) + ":0:0: " + error.what();
}

class Progress {
public:
    explicit Progress(bool enabled)
        : enabled_(enabled)
    {
    }

    InputProgress For(const std::string& input)
    {
        if (!enabled_)
            return {};
        return [this, input](std::size_t done, std::size_t total) {
            if (total < kProgressThreshold)
                return;
            const std::lock_guard lock(mutex_);
            std::fprintf(stderr, "\r%s: %3d%%%s", input.c_str(),
                static_cast<int>(done * 100 / total), done == total ? "\n" : "");
            std::fflush(stderr);
        };
    }

private:
    bool enabled_;
    std::mutex mutex_;
};

} // namespace

int main(int argc, char** argv)
{
    // Every input allocates and frees the same big blocks (columns, bitmaps): kept in the process
    // instead of going back to the system, the next input reuses them without faulting fresh pages
    // in, which costs a fifth of the work of an input of a million rows.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    RenderOptions options;
    options.jobs = std::max(1u, std::thread::hardware_concurrency());
    CLI::App app("vantrel-render: draws data files as X/Y graphs into PNG pictures.\n"
                 "Inputs are delimited text (.csv, .tsv, .txt; comma, semicolon, tab or spaces, "
                 "detected; an optional header row names the series and makes a legend; '#' "
                 "starts a comment line; an empty field or nan breaks the line; inf is read) or "
                 "GraphData JSON files (.json, drawn with their own bounds). '-' reads delimited "
                 "text from standard input.\n"
                 "Exit status: 0 done, 1 an input could not be read or drawn (one line "
                 "PATH:LINE:COLUMN: what on standard error, 0:0 for the file as a whole; the "
                 "other inputs are still drawn), 2 a usage error.",
        "vantrel-render");
    app.add_option("INPUT", options.inputs, "Data files; '-' is standard input")
        ->required()
        ->type_name("");
    app.add_option("-o,--output", options.output,
           "The PNG to write (one input) or a folder (several inputs); default: beside each input")
        ->type_name("PATH");
    app.add_option_function<std::string>(
           "--size",
           [&](const std::string& text) {
               Range size;
               const std::string error = ParsePair(text, 'x', size);
               if (!error.empty() || size.min < 16 || size.max < 16 || size.min > 16384
                   || size.max > 16384 || size.min != static_cast<int32_t>(size.min)
                   || size.max != static_cast<int32_t>(size.max))
                   throw CLI::ValidationError(
                       "--size: expected WxH, whole numbers 16 to 16384: " + text);
               options.width = static_cast<int32_t>(size.min);
               options.height = static_cast<int32_t>(size.max);
           },
           "The control's size in pixels (default 800x600)")
        ->type_name("WxH");
    const std::map<std::string, vantrel::GraphDataTypeConstants> types { { "line",
                                                                             vantrel::gdtLine },
        { "steps", vantrel::gdtDiscreteLine }, { "centred-steps", vantrel::gdtSymmetricLine },
        { "dots", vantrel::gdtDotted }, { "impulses", vantrel::gdtImpulse },
        { "circles", vantrel::gdtCircle }, { "spline", vantrel::gdtCubicFit } };
    app.add_option("--type", options.graphType,
           "line (default), steps, centred-steps, dots, impulses, circles, spline")
        ->transform(CLI::CheckedTransformer(types, CLI::ignore_case))
        ->type_name("NAME");
    app.add_option("--x-column", options.xColumn,
           "The X column by 1-based number or header name (default: the first)")
        ->type_name("COL");
    app.add_option_function<std::string>(
           "--interval",
           [&](const std::string& text) {
               Range interval;
               const std::string error = ParsePair(text, ':', interval);
               if (!error.empty())
                   throw CLI::ValidationError(error);
               options.interval = interval;
           },
           "No X column: evenly spaced X values")
        ->type_name("START:STEP")
        ->excludes("--x-column");
    app.add_option("--columns", options.columns,
           "The Y columns, by number or header name (default: every other column)")
        ->delimiter(',')
        ->type_name("LIST");
    AddRange(app, "--x-range", options.xRange, "Displayed X range (default: the data's bounds)");
    AddRange(app, "--y-range", options.yRange, "Displayed Y range (default: the data's bounds)");
    app.add_flag("--log-x", options.logX, "Logarithmic X axis");
    app.add_flag("--log-y", options.logY, "Logarithmic Y axis");
    app.add_option(
           "--properties", options.properties, "The control's properties from a JSON property bag")
        ->type_name("FILE")
        ->check(CLI::ExistingFile);
    app.add_option("--save-model", options.saveModel,
           "Also write the drawn GraphData as JSON (a folder with several inputs)")
        ->type_name("FILE");
    app.add_option("-j,--jobs", options.jobs,
           "Render several inputs at once on N threads (default: the cores)")
        ->check(CLI::Range(1u, 256u))
        ->type_name("N");
    app.add_flag("-q,--quiet", options.quiet, "No progress line for inputs over 50 MB");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // CLI11 prints its message; --help and --version end well, every usage error with 2.
        return app.exit(error) == 0 ? 0 : 2;
    }

    if (options.inputs.size() > 1) {
        // Several inputs write into folders; make them, so the first job does not race the others.
        std::error_code ignored;
        for (const std::string* folder : { &options.output, &options.saveModel })
            if (!folder->empty())
                std::filesystem::create_directories(*folder, ignored);
    }

    // Threads left over by the inputs make each input's control while its data load. With every
    // thread at work on an input, one more loads the font meanwhile, so that none of them waits
    // while another loads it.
    const std::size_t threads = std::min<std::size_t>(options.jobs, options.inputs.size());
    const bool controlAside = options.jobs > threads;
    std::thread resources;
    if (!controlAside && threads > 1)
        resources = std::thread(LoadProcessResources);

    Progress progress(!options.quiet && isatty(STDERR_FILENO) == 1);
    std::atomic<std::size_t> next { 0 };
    std::atomic<bool> failed { false };
    std::mutex errorMutex;
    const auto work = [&] {
        for (std::size_t i = next++; i < options.inputs.size(); i = next++) {
            try {
                RenderInput(options, i, progress.For(options.inputs[i]), controlAside);
            } catch (const vantrel::Error& error) {
                failed = true;
                const std::lock_guard lock(errorMutex);
                std::fprintf(stderr, "%s\n", ErrorLine(options.inputs[i], error).c_str());
            } catch (const std::exception& error) {
                failed = true;
                const std::lock_guard lock(errorMutex);
                std::fprintf(stderr, "%s:0:0: %s\n", options.inputs[i].c_str(), error.what());
            }
        }
    };
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
    if (resources.joinable())
        resources.join();
    return failed ? 1 : 0;
}
