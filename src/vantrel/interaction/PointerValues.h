// Plot pixels to axis values through the current data's axes: the values under the pointer,
// their tooltip, and the bounds a zoom selection covers.
#pragma once

#include <cstdint>
#include <vantrel/Enums.h>
#include <vantrel/Records.h>
#include <vantrel/Ref.h>

namespace vantrel {
class GraphData;
} // namespace vantrel

namespace vantrel::platform {
class PictureSurface;
} // namespace vantrel::platform

namespace vantrel::interaction {

// The values under a plot pixel, each rounded to single precision, into X and Y. False, with X
// and Y untouched, when they cannot be had: no data, an axis, format or design taken away by the
// host, a position beyond the 32-bit range, a value beyond single range. The caller then speaks
// pixels and leaves the tooltip alone.
bool PointerValues(const Ref<GraphData>& data, float x, float y, double& X, double& Y);

// Shows the values' tooltip (ToolTipText with the axes' formats) on the plot picture. A text
// that cannot be formed leaves the tooltip as it was.
void ShowPointerValues(platform::PictureSurface& plot, const GraphData& data, double X, double Y);

// A rectangle of plot pixels to ordered axis values; grzLeftRight keeps the displayed Y range
// and grzUpDown the displayed X range. Error 91 without data or axis design, Error 6 for a pixel
// beyond the 32-bit range.
BoundsRecord SelectionValues(const Ref<GraphData>& data, const BoundsRecord& displayed,
    const BoundsRecord& pixels, GraphZoomConstants mode);

} // namespace vantrel::interaction
