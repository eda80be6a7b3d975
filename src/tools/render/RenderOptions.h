// What vantrel-render is asked to do, as its command line says it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vantrel/Enums.h>
#include <vector>

namespace vantrel::render_tool {

struct Range {
    double min = 0.0;
    double max = 0.0;
};

struct RenderOptions {
    std::vector<std::string> inputs;
    std::string output;
    int32_t width = 800;
    int32_t height = 600;
    GraphDataTypeConstants graphType = gdtLine;
    std::string xColumn;
    std::optional<Range> interval; // start, step
    std::vector<std::string> columns;
    std::optional<Range> xRange;
    std::optional<Range> yRange;
    bool logX = false;
    bool logY = false;
    std::string properties;
    std::string saveModel;
    unsigned jobs = 1;
    bool quiet = false;
};

// The output files of input number `index` (from 0): the PNG and, when asked for, the model.
std::string OutputPath(const RenderOptions& options, std::size_t index);
std::string ModelPath(const RenderOptions& options, std::size_t index);

} // namespace vantrel::render_tool
