// Output names: beside the input, in the folder given, or the file given.
#include "RenderOptions.h"

#include <filesystem>

namespace vantrel::render_tool {

namespace {

std::string Derived(const RenderOptions& options, const std::string& given, std::size_t index,
    const char* extension)
{
    const std::string& input = options.inputs[index];
    const std::filesystem::path stem
        = input == "-" ? std::filesystem::path("stdin") : std::filesystem::path(input).stem();
    if (options.inputs.size() == 1 && !given.empty())
        return given;
    std::filesystem::path folder = given.empty()
        ? (input == "-" ? std::filesystem::path() : std::filesystem::path(input).parent_path())
        : std::filesystem::path(given);
    return (folder / stem).string() + extension;
}

} // namespace

std::string OutputPath(const RenderOptions& options, std::size_t index)
{
    return Derived(options, options.output, index, ".png");
}

std::string ModelPath(const RenderOptions& options, std::size_t index)
{
    return Derived(options, options.saveModel, index, ".json");
}

} // namespace vantrel::render_tool
