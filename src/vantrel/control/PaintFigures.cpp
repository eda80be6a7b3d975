// Points in axis units to plot pixels, and the painting procedures of single figures.
//
// Every procedure converts its points first; a figure with a coordinate beyond the drawable
// range is not painted at all and changes no state. Otherwise it sets the control's raster
// operation on the plot DC (left set afterwards), paints with the control's pen style and width
// and sets DataLoaded. Pixel positions are whole numbers carried as doubles and reach the
// graphics layer through CLng. Colour arguments are GDI colours, passed on unchanged.
#include "control/OrvGraphImpl.h"
#include "render/FigurePainter.h"
#include "render/PixelRange.h"

#include <vantrel/Error.h>
#include <vantrel/Rounding.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

namespace {

Ref<AxisDesign> DesignOf(const Ref<Axis>& axis)
{
    if (!axis || !axis->Design())
        throw Error(errObjectNotSet);
    return axis->Design();
}

gdi::COLORREF GdiColor(int32_t color) { return static_cast<gdi::COLORREF>(color); }

} // namespace

OrvGraph::Impl::PixelPoints OrvGraph::Impl::GetPixelPoint(
    double X1, double Y1, double X2, double Y2) const
{
    using render::ClampPixel;
    if (!currentData_)
        throw Error(errObjectNotSet);
    const Ref<AxisDesign> xDesign = DesignOf(currentData_->XAxis());
    const render::ClampedPixel x1
        = ClampPixel(xDesign->GetPixel(X1), render::drawableMin, render::drawableMax);
    const render::ClampedPixel x2
        = ClampPixel(xDesign->GetPixel(X2), render::drawableMin, render::drawableMax);
    const Ref<AxisDesign> yDesign = DesignOf(currentData_->YAxis());
    const render::ClampedPixel y1
        = ClampPixel(yDesign->GetPixel(Y1), render::drawableMin, render::drawableMax);
    const render::ClampedPixel y2
        = ClampPixel(yDesign->GetPixel(Y2), render::drawableMin, render::drawableMax);
    PixelPoints points;
    points.X1 = x1.value;
    points.X2 = x2.value;
    points.Y1 = y1.value;
    points.Y2 = y2.value;
    points.InRange = x1.inRange && x2.inRange && y1.inRange && y2.inRange;
    return points;
}

void OrvGraph::Impl::PaintLine(double X1, double Y1, double X2, double Y2, int32_t Color)
{
    const PixelPoints at = GetPixelPoint(X1, Y1, X2, Y2);
    if (!at.InRange)
        return;
    const gdi::HDC dc = pctGraph_.hDC();
    gdi::SetROP2(dc, drawMode_);
    render::PaintLineFigure(dc, { drawStyle_, drawWidth_ }, GdiColor(Color), CLng(at.X1),
        CLng(at.Y1), CLng(at.X2), CLng(at.Y2));
    dataLoaded_ = true;
}

// Rectangles and ellipses: the figure's box given by two corners.
void OrvGraph::Impl::PaintBox(render::BoxFigure figure, double X1, double Y1, double X2, double Y2,
    int32_t Color, bool Fill, int32_t FillColor)
{
    const PixelPoints at = GetPixelPoint(X1, Y1, X2, Y2);
    if (!at.InRange)
        return;
    const gdi::HDC dc = pctGraph_.hDC();
    gdi::SetROP2(dc, drawMode_);
    render::PaintBoxFigure(dc, figure, { drawStyle_, drawWidth_ }, GdiColor(Color),
        Fill ? std::optional(GdiColor(FillColor)) : std::nullopt, CLng(at.X1), CLng(at.Y1),
        CLng(at.X2), CLng(at.Y2));
    dataLoaded_ = true;
}

// The range test covers only the one point.
void OrvGraph::Impl::PaintPoint(double X, double Y, int32_t Color)
{
    const PixelPoints at = GetPixelPoint(X, Y, X, Y);
    if (!at.InRange)
        return;
    const gdi::HDC dc = pctGraph_.hDC();
    gdi::SetROP2(dc, drawMode_);
    render::PaintPointFigure(dc, CLng(at.X1), CLng(at.Y1), GdiColor(Color));
    dataLoaded_ = true;
}

// The text stands to the upper right of the point: its top-left corner 2 pixels right of it and
// one height of "0" in the plot's font above it, so its lower edge lies on the point's row.
void OrvGraph::Impl::PaintLabel(double X, double Y, const std::string& Text, int32_t Color)
{
    const PixelPoints at = GetPixelPoint(X, Y, X, Y);
    if (!at.InRange)
        return;
    const double x = at.X1 + 2.0;
    const float zeroHeight = pctGraph_.TextHeight("0");
    const double y = at.Y1 - static_cast<double>(zeroHeight);
    const gdi::HDC dc = pctGraph_.hDC();
    gdi::SetROP2(dc, drawMode_);
    render::PaintTextFigure(dc, CLng(x), CLng(y), Text, GdiColor(Color));
    dataLoaded_ = true;
}

} // namespace vantrel
