// demo: a measurement kept as a data source, drawn whole, redrawn, and changed by the host.
#pragma once

#include <filesystem>

namespace demo {

// Builds a GraphData of three panels (signals, sampled events, annotations) and writes four
// PNGs to `folder`, printing their paths: the source as drawn, the same after a Redraw at
// another size, on a logarithmic Y axis, and after the host changed one of its items.
void ShowMeasurement(const std::filesystem::path& folder);

} // namespace demo
