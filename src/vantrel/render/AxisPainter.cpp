// Grid marks and value text of the X and the Y axis.
//
// Both sections run when the format wants a grid, or when the frame and the format want value
// text; the plot DC gets a pen of GridColor and the frame DC the text colour for the section,
// both put back at its end. Per grid value the mark comes before the text.
//
// GridStyle ggsNone: the design computes no grid for the present scale, but may still answer
// with one computed for an earlier scale. Value text is written only at grid values computed for
// the present scale (GridInit True), so an axis without grid shows no values, never stale ones;
// the section still creates and deletes its pen.
#include "render/AxisPainter.h"

#include "render/GdiScope.h"
#include "render/GridMarks.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vantrel/Rounding.h>
#include <vantrel/ValueText.h>

namespace vantrel::render {

namespace {

bool SectionRuns(const AxisFormatRecord& format, const ValueTextStyle& text)
{
    return format.GridStyle != ggsNone || (text.frameEnabled && format.Values);
}

bool WritesValues(const AxisFormatRecord& format, const ValueTextStyle& text)
{
    return text.frameEnabled && format.Values;
}

int32_t GridValueCount(const AxisDesign& design)
{
    return design.GridInit() ? design.GridCount() : 0;
}

// Lines, notches, or nothing for a style outside 0 .. 2.
void PaintMark(
    gdi::HDC plot, MarkDirection direction, GraphGridStyleConstants style, int32_t at, float extent)
{
    if (style == ggsLines)
        PaintFullMark(plot, direction, at, extent);
    else if (style == ggsNotches)
        PaintNotchMarks(plot, direction, at, extent);
}

// The text goes out as its bytes, with the byte count as length (see PaintTextFigure).
void WriteText(gdi::HDC frame, int32_t x, int32_t y, const std::string& text)
{
    const auto length = static_cast<int32_t>(
        std::min<std::size_t>(text.size(), std::numeric_limits<int32_t>::max()));
    gdi::TextOutA(frame, x, y, text.data(), length);
}

} // namespace

std::string GridValueText(double value, const AxisFormatRecord& format)
{
    std::string text = FormatValue(value, format.ValueFormat, format.ValuePrecision);
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void PaintXAxis(gdi::HDC plot, gdi::HDC frame, const AxisDesign& design,
    const AxisFormatRecord& format, const PlotPlacement& placement, const ValueTextStyle& text)
{
    if (!SectionRuns(format, text))
        return;
    PenScope pen(
        plot, gdi::PS_SOLID, 0, gdi::TranslateColor(static_cast<uint32_t>(format.GridColor)));
    TextColorScope textColor(frame, text.color);
    const int32_t yText = CLng(placement.top - 1.3 * static_cast<double>(text.zeroHeight));
    const int32_t count = GridValueCount(design);
    for (int32_t i = 0; i < count; ++i) {
        const double value = design.GridValue(i);
        const int32_t px = design.GetPixel(value);
        PaintMark(plot, MarkDirection::Vertical, format.GridStyle, px, placement.height);
        if (WritesValues(format, text)) {
            const std::string label = GridValueText(value, format);
            const double width = static_cast<double>(text.textWidth(label));
            WriteText(frame, CLng(placement.left + px - width / 2.0), yText, label);
        }
    }
}

void PaintYAxis(gdi::HDC plot, gdi::HDC frame, const AxisDesign& design,
    const AxisFormatRecord& format, const PlotPlacement& placement, const ValueTextStyle& text)
{
    if (!SectionRuns(format, text))
        return;
    PenScope pen(
        plot, gdi::PS_SOLID, 0, gdi::TranslateColor(static_cast<uint32_t>(format.GridColor)));
    TextColorScope textColor(frame, text.color);
    const int32_t xLeft = CLng(placement.left);
    const int32_t count = GridValueCount(design);
    for (int32_t i = 0; i < count; ++i) {
        const double value = design.GridValue(i);
        const int32_t py = design.GetPixel(value);
        PaintMark(plot, MarkDirection::Horizontal, format.GridStyle, py, placement.width);
        if (WritesValues(format, text)) {
            const std::string label = GridValueText(value, format);
            const double width = static_cast<double>(text.textWidth(label + "  "));
            const double halfHeight = static_cast<double>(text.zeroHeight) / 2.0;
            WriteText(frame, CLng(xLeft - width), CLng(placement.top + py - halfHeight), label);
        }
    }
}

} // namespace vantrel::render
