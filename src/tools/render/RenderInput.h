// One input of vantrel-render drawn into its PNG file.
#pragma once

#include "RenderOptions.h"

#include <functional>
#include <string>

namespace vantrel::render_tool {

// Called with the input's bytes parsed so far and its size, while a big input is parsed.
using InputProgress = std::function<void(std::size_t done, std::size_t total)>;

// Loads input number `index` (delimited text, or GraphData JSON when it ends in ".json"), draws it
// on an off-screen control of the options' size and writes the PNG (and the model when asked).
// Files are written whole or not at all. Raises vantrel::Error; nothing is written then. With
// `controlAside` the control is made on a thread of its own while the input loads.
void RenderInput(const RenderOptions& options, std::size_t index, const InputProgress& progress,
    bool controlAside);

// Makes what the process makes once for its first control (the font), and drops the control.
void LoadProcessResources();

} // namespace vantrel::render_tool
