// Painting of one axis: grid lines or notches on the plot area and the value text in the
// frame's margin beside it.
#pragma once

#include <cstdint>
#include <functional>
#include <gdi/Gdi.h>
#include <string>
#include <string_view>
#include <vantrel/AxisDesign.h>
#include <vantrel/Records.h>

namespace vantrel::render {

// The plot area as the frame sees it. Sizes are the plot picture's ScaleWidth and ScaleHeight;
// the offsets are the frame margins converted to frame pixels (FrameLeft / TwipsPerPixelX,
// FrameTop / TwipsPerPixelY): the frame pixel of plot pixel (x, y) is (left + x, top + y).
struct PlotPlacement {
    float width = 0.0f;
    float height = 0.0f;
    double left = 0.0;
    double top = 0.0;
};

// How the value text is written into the frame.
struct ValueTextStyle {
    bool frameEnabled = false; // no value text at all while False
    gdi::COLORREF color = 0; // FrameForeColor, translated to RGB
    float zeroHeight = 0.0f; // the frame font's TextHeight("0"), pixels
    std::function<float(std::string_view)> textWidth; // the frame font's TextWidth, pixels
};

// The X axis: a vertical mark per grid value and the value's text centred above the plot area,
// its lower edge 0.3 text heights above the plot's top edge.
void PaintXAxis(gdi::HDC plot, gdi::HDC frame, const AxisDesign& design,
    const AxisFormatRecord& format, const PlotPlacement& placement, const ValueTextStyle& text);

// The Y axis: a horizontal mark per grid value and the value's text right-aligned left of the
// plot area, two spaces' width away, centred vertically on the mark.
void PaintYAxis(gdi::HDC plot, gdi::HDC frame, const AxisDesign& design,
    const AxisFormatRecord& format, const PlotPlacement& placement, const ValueTextStyle& text);

// The value text of a grid value: FormatValue without its spaces at either end.
std::string GridValueText(double value, const AxisFormatRecord& format);

} // namespace vantrel::render
