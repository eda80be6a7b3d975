// Painting of one axis's origin mark on the plot area.
#pragma once

#include <cstdint>
#include <gdi/Gdi.h>
#include <vantrel/AxisDesign.h>
#include <vantrel/Records.h>

namespace vantrel::render {

// The axis's range as the layout was given it: in the host's order, not sorted.
struct AxisRange {
    double min = 0.0;
    double max = 0.0;
};

// The X origin: a vertical line over the plot height, or notches at its top and bottom edge
// (OriginStyle ggsLines, or any other value but ggsNone). Drawn only when min < Origin < max,
// both strictly, so reversed bounds never show an origin. `plotHeight` is in pixels.
void PaintXOrigin(gdi::HDC plot, const AxisDesign& design, const AxisFormatRecord& format,
    AxisRange range, float plotHeight);

// The Y origin, a horizontal mark over the plot width, under the same rules.
void PaintYOrigin(gdi::HDC plot, const AxisDesign& design, const AxisFormatRecord& format,
    AxisRange range, float plotWidth);

} // namespace vantrel::render
