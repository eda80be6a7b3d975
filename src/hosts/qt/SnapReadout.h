// The snapping read-out: the nearest point of a retained series near the pointer, as text.
#pragma once

#include "SeriesSnapper.h"

#include <optional>
#include <string>
#include <vantrel/OrvGraph.h>

namespace vantrel::qt {

// Points closer than this, in plot pixels (Euclidean), are candidates.
constexpr int32_t snapRadius = 8;

// "name: x, y" for the point of an enabled series item of an enabled panel of the current
// data nearest to the plot pixel (x, y), each value in its axis's format and units; nothing
// when the graph is not scaled or no point lies within snapRadius.
std::optional<std::string> SnapText(
    SeriesSnapper& snapper, const OrvGraph& graph, int32_t x, int32_t y);

} // namespace vantrel::qt
