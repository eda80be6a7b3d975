// One file to a model: delimited text through vantrel-render's loader and table-to-model step,
// or GraphData JSON. Runs on any thread; touches no widget.
#pragma once

#include <cstdint>
#include <loaders/DelimitedText.h>
#include <optional>
#include <render/RenderOptions.h>
#include <string>
#include <vantrel/GraphData.h>
#include <vector>

namespace vantrel::view {

// What the import dialog asks when the file does not say it: the X column (number from 1 or
// header name; empty for the first), evenly spaced X instead (start, step), and the delimiter
// (0: detected).
struct ImportChoices {
    std::string xColumn;
    std::optional<render_tool::Range> interval;
    char delimiter = 0;
};

struct LoadRequest {
    std::string path;
    ImportChoices import;
    // Follow mode: only complete lines are read, so that a line still being written is read
    // whole later.
    bool completeLinesOnly = false;
    // The plot's height in pixels, which spaces the legend's lines.
    int32_t plotHeight = 600;
};

// A file as the follow watcher recognises it after a rename or a replacement.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Where each column of a row went: the series in Y-column order.
struct SeriesLayout {
    bool interval = false;
    std::size_t xColumn = 0;
    std::size_t columns = 0;
    std::vector<std::size_t> yColumns;
    std::vector<Ref<XYItem_Data>> series;
};

struct LoadedFile {
    // Null when the file has no data row yet (follow mode) or needs the import dialog.
    Ref<GraphData> data;
    bool isModel = false;
    // A single column and no interval: the X cannot be guessed. The header's names, if any.
    bool needsImport = false;
    std::vector<std::string> columnNames;
    SeriesLayout layout;
    FileIdentity identity;
    // Bytes and lines read: the whole file, or up to the end of the last complete line.
    uint64_t offset = 0;
    uint64_t lines = 0;
};

bool IsModelFile(const std::string& path);
FileIdentity IdentityOf(const std::string& path);

// Raises vantrel::Error with the loader's message ("FILE:LINE:COLUMN: what", or 53 and 75 for a
// missing or unreadable file). `progress` may throw to stop the parse.
LoadedFile LoadFile(const LoadRequest& request, const loaders::ParseProgress& progress = {});

// The options vantrel-render would be given for these choices.
render_tool::RenderOptions RenderOptionsFor(const ImportChoices& import, int32_t plotHeight);

} // namespace vantrel::view
