// Loading a file for the viewer: the same loader and table-to-model step as vantrel-render.
#include "DataLoader.h"

#include "DelimiterOverride.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <loaders/TextFile.h>
#include <render/SeriesModel.h>
#include <sys/stat.h>
#include <vantrel/Error.h>
#include <vantrel/GraphDataJson.h>
#include <vantrel/PanelManager.h>

namespace vantrel::view {

namespace {

// The X column as BuildSeriesModel found it (it has refused a column that does not exist).
std::size_t XColumnOf(const loaders::DelimitedTable& table, const std::string& column)
{
    if (column.empty())
        return 0;
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(column.data(), column.data() + column.size(), number);
    if (error == std::errc() && end == column.data() + column.size())
        return number - 1;
    return static_cast<std::size_t>(
        std::find(table.Names.begin(), table.Names.end(), column) - table.Names.begin());
}

SeriesLayout LayoutOf(
    const loaders::DelimitedTable& table, const ImportChoices& import, const GraphData& data)
{
    SeriesLayout layout;
    layout.interval = import.interval.has_value();
    layout.xColumn = layout.interval ? 0 : XColumnOf(table, import.xColumn);
    layout.columns = table.Columns.size();
    for (std::size_t c = 0; c < layout.columns; ++c)
        if (layout.interval || c != layout.xColumn)
            layout.yColumns.push_back(c);
    const Ref<PanelData> panel = data.PanelList()->Item(1);
    for (int32_t i = 1; i <= panel->Count(); ++i)
        layout.series.push_back(std::dynamic_pointer_cast<XYItem_Data>(panel->Item(i)));
    return layout;
}

uint64_t CountLines(std::string_view text)
{
    return static_cast<uint64_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

bool IsModelFile(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".json";
}

FileIdentity IdentityOf(const std::string& path)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0)
        return {};
    return { static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino) };
}

render_tool::RenderOptions RenderOptionsFor(const ImportChoices& import, int32_t plotHeight)
{
    render_tool::RenderOptions options;
    options.xColumn = import.xColumn;
    options.interval = import.interval;
    options.height = plotHeight;
    return options;
}

LoadedFile LoadFile(const LoadRequest& request, const loaders::ParseProgress& progress)
{
    LoadedFile loaded;
    loaded.identity = IdentityOf(request.path);
    if (IsModelFile(request.path)) {
        loaded.data = LoadGraphData(request.path);
        loaded.isModel = true;
        return loaded;
    }
    const loaders::TextFile file(request.path);
    std::string_view text = file.Text();
    if (request.completeLinesOnly) {
        const std::size_t lastEnd = text.rfind('\n');
        text = text.substr(0, lastEnd == std::string_view::npos ? 0 : lastEnd + 1);
        loaded.lines = CountLines(text);
    }
    loaded.offset = text.size();
    std::string rewritten;
    if (request.import.delimiter != 0) {
        rewritten = WithDelimiter(text, request.import.delimiter);
        text = rewritten;
    }
    loaders::DelimitedTable table = loaders::ParseDelimitedText(text, request.path, progress);
    if (request.completeLinesOnly && table.Rows() == 0) {
        // Nothing to draw yet: the watcher starts over once a line arrives after these.
        return loaded;
    }
    if (table.Columns.size() == 1 && !request.import.interval) {
        loaded.needsImport = true;
        loaded.columnNames = table.Names;
        return loaded;
    }
    const ImportChoices& import = request.import;
    const auto names = table.Names;
    const std::size_t columns = table.Columns.size();
    loaded.data = render_tool::BuildSeriesModel(
        std::move(table), RenderOptionsFor(import, request.plotHeight), request.path);
    loaders::DelimitedTable shape;
    shape.Names = names;
    shape.Columns.resize(columns);
    loaded.layout = LayoutOf(shape, import, *loaded.data);
    return loaded;
}

} // namespace vantrel::view
