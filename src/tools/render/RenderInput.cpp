// Loading one input, drawing it with DrawFromSources and writing the files.
#include "RenderInput.h"

#include "SeriesModel.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <future>
#include <loaders/DelimitedText.h>
#include <loaders/TextFile.h>
#include <memory>
#include <vantrel/Error.h>
#include <vantrel/GraphDataJson.h>
#include <vantrel/HeadlessHost.h>
#include <vantrel/JsonPropertyBag.h>
#include <vantrel/OrvGraph.h>

namespace vantrel::render_tool {

namespace {

bool IsModelFile(const std::string& path)
{
    const std::string extension = std::filesystem::path(path).extension().string();
    return extension == ".json" || extension == ".JSON";
}

// The host writes the PNG to a temporary name that the rename then puts in place, so a reader
// never sees half a picture and a failure leaves no file.
void SavePngWhole(const HeadlessHost& host, const std::string& path)
{
    const std::string temporary = path + ".part";
    try {
        host.SavePng(temporary);
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw Error(errFileAccess, "Cannot write '" + path + "'");
    }
}

// The off-screen control with the options' size and properties. Its first making in a process
// also loads the font, which takes about as long as drawing.
std::unique_ptr<HeadlessHost> MakeHost(const RenderOptions& options)
{
    auto host = std::make_unique<HeadlessHost>(options.width, options.height);
    if (options.properties.empty()) {
        host->InitNew();
    } else {
        JsonPropertyBag bag;
        try {
            bag.Load(options.properties);
        } catch (const Error& error) {
            // Located at the properties file: the input being drawn is not what is wrong.
            throw Error(errInvalidPropertyValue, options.properties + ":0:0: " + error.what());
        }
        host->Load(bag);
    }
    return host;
}

} // namespace

void LoadProcessResources()
{
    try {
        HeadlessHost host(16, 16);
        host.InitNew();
    } catch (const std::exception&) {
        // The input that needs them reports what is missing.
    }
}

void RenderInput(const RenderOptions& options, std::size_t index, const InputProgress& progress,
    bool controlAside)
{
    // Aside, the control is made on a second thread while the data are read, and handed over
    // whole: everything drawn on it is drawn here. Either way a problem with the data is
    // reported before one with the properties, as if one came after the other.
    std::future<std::unique_ptr<HeadlessHost>> making = std::async(
        controlAside ? std::launch::async : std::launch::deferred, MakeHost, std::cref(options));

    const std::string& input = options.inputs[index];
    const std::string source = input == "-" ? "<stdin>" : input;
    Ref<GraphData> data;
    if (input != "-" && IsModelFile(input)) {
        data = LoadGraphData(input);
        ApplyRangeOptions(*data, options);
    } else {
        const loaders::TextFile file(input);
        data = BuildSeriesModel(
            loaders::ParseDelimitedText(file.Text(), source, progress), options, source);
    }

    const std::unique_ptr<HeadlessHost> host = making.get();
    host->Graph().DrawFromSources(data, true, true, true);

    SavePngWhole(*host, OutputPath(options, index));
    if (!options.saveModel.empty())
        SaveGraphData(data, ModelPath(options, index));
}

} // namespace vantrel::render_tool
