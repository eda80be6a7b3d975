// The public drawing methods in axis units: the drawing frame, painting and retention.
#include "control/OrvGraphImpl.h"

#include <cmath>
#include <vantrel/Error.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

void OrvGraph::Impl::BeginDrawing(FrameDrawing frame, const std::function<void()>& retainFirst)
{
    pctGraph_.AutoRedraw(true);
    pctFrame_.AutoRedraw(true);
    if (retainFirst)
        retainFirst();
    if (frame == FrameDrawing::always || !formatted_)
        formatted_ = DrawFrame();
}

// Without bRefresh both pictures stay in retained mode, so that a run of drawings shows
// together at the next refresh.
void OrvGraph::Impl::EndDrawing(bool bRefresh)
{
    if (!bRefresh)
        return;
    pctGraph_.Refresh();
    pctFrame_.Refresh();
    pctGraph_.AutoRedraw(false);
    pctFrame_.AutoRedraw(false);
}

Ref<PanelData> OrvGraph::Impl::KeepPanel()
{
    GetKeepPanel();
    const Ref<PanelManager> panels = currentData_->PanelList();
    return panels->Item(panels->Count());
}

// A figure is retained whether or not it was painted (it may lie beyond the drawable range),
// with the control's pen settings of the moment, so that a replay paints it the same way.

void OrvGraph::Impl::DrawLine(
    double X1, double Y1, double X2, double Y2, int32_t Color, bool bRefresh)
{
    if (!scaled_)
        return;
    BeginDrawing();
    PaintLine(X1, Y1, X2, Y2, Color);
    if (keepData_)
        KeepPanel()->CreateShape(gstLine, X1, Y1, X2, Y2, -1, "", Color, false, 0, true, drawWidth_,
            drawStyle_, drawMode_);
    EndDrawing(bRefresh);
}

void OrvGraph::Impl::DrawRectangle(double X1, double Y1, double X2, double Y2, int32_t Color,
    bool Fill, int32_t FillColor, bool bRefresh)
{
    if (!scaled_)
        return;
    BeginDrawing();
    PaintBox(render::BoxFigure::Rectangle, X1, Y1, X2, Y2, Color, Fill, FillColor);
    if (keepData_)
        KeepPanel()->CreateShape(gstRectangle, X1, Y1, X2, Y2, -1, "", Color, Fill, FillColor, true,
            drawWidth_, drawStyle_, drawMode_);
    EndDrawing(bRefresh);
}

void OrvGraph::Impl::DrawPoint(double X, double Y, int32_t Color, bool bRefresh)
{
    if (!scaled_)
        return;
    BeginDrawing();
    PaintPoint(X, Y, Color);
    if (keepData_)
        KeepPanel()->CreateShape(gstPoint, X, Y, 0.0, 0.0, -1, "", Color, false, 0, true,
            drawWidth_, drawStyle_, drawMode_);
    EndDrawing(bRefresh);
}

// The radius applies to both axes in axis values, before conversion: the figure is round on
// screen only when both axes have as many pixels per unit. A retained circle is an ellipse.
void OrvGraph::Impl::DrawCircle(
    double X, double Y, double Radius, int32_t Color, bool Fill, int32_t FillColor, bool bRefresh)
{
    const double left = X - Radius;
    const double bottom = Y - Radius;
    const double right = X + Radius;
    const double top = Y + Radius;
    // The platform raises overflow wherever arithmetic would give an infinity or NaN.
    for (const double corner : { left, bottom, right, top })
        if (!std::isfinite(corner))
            throw Error(errOverflow);
    DrawEllipse(left, bottom, right, top, Color, Fill, FillColor, bRefresh);
}

void OrvGraph::Impl::DrawEllipse(double X1, double Y1, double X2, double Y2, int32_t Color,
    bool Fill, int32_t FillColor, bool bRefresh)
{
    if (!scaled_)
        return;
    BeginDrawing();
    PaintBox(render::BoxFigure::Ellipse, X1, Y1, X2, Y2, Color, Fill, FillColor);
    if (keepData_)
        KeepPanel()->CreateShape(gstEllipse, X1, Y1, X2, Y2, -1, "", Color, Fill, FillColor, true,
            drawWidth_, drawStyle_, drawMode_);
    EndDrawing(bRefresh);
}

// No Scaled test: a label draws and is retained in any state; without a current data the
// conversion raises Error 91.
void OrvGraph::Impl::DrawLabel(
    double X, double Y, const std::string& sText, int32_t Color, bool bRefresh)
{
    BeginDrawing();
    PaintLabel(X, Y, sText, Color);
    if (keepData_)
        KeepPanel()->CreateLabel(X, Y, sText, -1, "", Color, true);
    EndDrawing(bRefresh);
}

} // namespace vantrel
