// Origin marks of the X and the Y axis, in the geometry of the grid marks.
#include "render/OriginPainter.h"

#include "render/GdiScope.h"
#include "render/GridMarks.h"

namespace vantrel::render {

namespace {

void PaintOrigin(gdi::HDC plot, const AxisDesign& design, const AxisFormatRecord& format,
    AxisRange range, MarkDirection direction, float extent)
{
    if (format.OriginStyle == ggsNone)
        return;
    const double origin = format.Origin;
    if (!(range.min < origin && origin < range.max))
        return;
    const int32_t at = design.GetPixel(origin);
    PenScope pen(
        plot, gdi::PS_SOLID, 0, gdi::TranslateColor(static_cast<uint32_t>(format.OriginColor)));
    if (format.OriginStyle == ggsLines)
        PaintFullMark(plot, direction, at, extent);
    else
        PaintNotchMarks(plot, direction, at, extent);
}

} // namespace

void PaintXOrigin(gdi::HDC plot, const AxisDesign& design, const AxisFormatRecord& format,
    AxisRange range, float plotHeight)
{
    PaintOrigin(plot, design, format, range, MarkDirection::Vertical, plotHeight);
}

void PaintYOrigin(gdi::HDC plot, const AxisDesign& design, const AxisFormatRecord& format,
    AxisRange range, float plotWidth)
{
    PaintOrigin(plot, design, format, range, MarkDirection::Horizontal, plotWidth);
}

} // namespace vantrel::render
