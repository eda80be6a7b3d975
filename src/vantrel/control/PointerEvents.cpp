// The pointer handlers of both pictures: the host's events, the values under the pointer with
// their tooltip, and the zoom selection gesture that runs first in the plot area's handlers.
#include "interaction/SelectionBand.h"
#include "interaction/ValueReadout.h"

#include <calcora/Calcora.h>
#include <cfloat>
#include <cmath>
#include <vantrel/Error.h>
#include <vantrel/OrvGraph.h>
#include <vantrel/Rounding.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

namespace {

// A value that single precision can hold without becoming an infinity; NaN fails too.
bool FitsSingle(double value) { return std::fabs(value) <= static_cast<double>(FLT_MAX); }

const AxisDesign& DesignOf(const Ref<Axis>& axis)
{
    if (!axis || !axis->Design())
        throw Error(errObjectNotSet);
    return *axis->Design();
}

} // namespace

// Frame events speak frame pixels, scaled or not. The host may change the arguments; they are
// copies and never read back.
void OrvGraph::FrameMouse(PointerKind kind, int16_t button, int16_t shift, float x, float y)
{
    OrvGraphEvents* const sink = sink_;
    if (!sink)
        return;
    double X = x;
    double Y = y;
    switch (kind) {
    case PointerKind::click:
        sink->FrameClick();
        break;
    case PointerKind::down:
        sink->FrameMouseDown(button, shift, X, Y);
        break;
    case PointerKind::move:
        sink->FrameMouseMove(button, shift, X, Y);
        break;
    case PointerKind::up:
        sink->FrameMouseUp(button, shift, X, Y);
        break;
    }
}

// Order of work: the selection step on the raw pixel position, the conversion, on a move the
// tooltip (whatever the buttons), then the event.
void OrvGraph::InsideMouse(PointerKind kind, int16_t button, int16_t shift, float x, float y)
{
    if (kind == PointerKind::click) {
        if (sink_)
            sink_->InsideClick();
        return;
    }
    if (SelectionGesture(button)) {
        if (kind == PointerKind::down)
            SelectionStart(x, y);
        else if (kind == PointerKind::move)
            SelectionDrag(x, y);
        else
            SelectionEnd(x, y);
    }
    double X = x;
    double Y = y;
    if (PointerValues(x, y, X, Y) && kind == PointerKind::move)
        ShowPointerValues(X, Y);
    OrvGraphEvents* const sink = sink_;
    if (!sink)
        return;
    if (kind == PointerKind::down)
        sink->InsideMouseDown(button, shift, X, Y);
    else if (kind == PointerKind::move)
        sink->InsideMouseMove(button, shift, X, Y);
    else
        sink->InsideMouseUp(button, shift, X, Y);
}

// The arithmetic of a conversion can fail (a position that does not fit 32 bits, an overflow
// inside the axis design). There is no caller to hand such an error to inside a platform
// notification, so the event carries the pixels instead, as before scaling.
bool OrvGraph::PointerValues(float x, float y, double& X, double& Y) const
{
    if (!scaled_ || !currentData_)
        return false;
    const Ref<Axis> xAxis = currentData_->XAxis();
    const Ref<Axis> yAxis = currentData_->YAxis();
    if (!xAxis || !yAxis || !xAxis->Format() || !yAxis->Format() || !xAxis->Design()
        || !yAxis->Design())
        return false;
    double xValue = 0.0;
    double yValue = 0.0;
    try {
        xValue = xAxis->Design()->GetValue(CLng(x));
        yValue = yAxis->Design()->GetValue(CLng(y));
    } catch (const Error&) {
        return false;
    }
    if (!FitsSingle(xValue) || !FitsSingle(yValue))
        return false;
    // The values take the place of the platform's single-precision position.
    X = static_cast<float>(xValue);
    Y = static_cast<float>(yValue);
    return true;
}

// The formats are those of the current data's axes, filled from the control's own at every
// layout. The values are finite here; a text that cannot be formed all the same leaves the
// tooltip as it was.
void OrvGraph::ShowPointerValues(double X, double Y)
{
    std::string text;
    try {
        text = interaction::ToolTipText(X, Y, currentData_->XAxis()->Format()->GetRecord(),
            currentData_->YAxis()->Format()->GetRecord());
    } catch (const Error&) {
        return;
    }
    pctGraph_.ToolTipText(std::move(text));
}

// Ordered whatever the direction of the drag; on the Y axis, whose pixels grow downwards, the
// top of the selection gives YMax.
BoundsRecord OrvGraph::GetValuePoint(const BoundsRecord& pixels, GraphZoomConstants mode) const
{
    if (!currentData_)
        throw Error(errObjectNotSet);
    double x1 = displayed_.XMin;
    double x2 = displayed_.XMax;
    if (mode != grzUpDown) {
        const AxisDesign& design = DesignOf(currentData_->XAxis());
        x1 = design.GetValue(CLng(pixels.XMin));
        x2 = design.GetValue(CLng(pixels.XMax));
    }
    double y1 = displayed_.YMin;
    double y2 = displayed_.YMax;
    if (mode != grzLeftRight) {
        const AxisDesign& design = DesignOf(currentData_->YAxis());
        y1 = design.GetValue(CLng(pixels.YMin));
        y2 = design.GetValue(CLng(pixels.YMax));
    }
    return BoundsRecord { Less(x1, x2), More(x1, x2), Less(y1, y2), More(y1, y2) };
}

// The left button alone, on a graph whose frame is drawn, with retained data and zooming on.
// The zoom in force does not matter: a new selection can be made while zoomed.
bool OrvGraph::SelectionGesture(int16_t button) const
{
    return formatted_ && button == 1 && keepData_ && zoomEnabled_;
}

// Each step of the gesture draws into the retained image and shows it at once. Removing lines
// draws exactly what bandDrawn_ recorded, so nothing is left behind whatever happened to the
// pointer position or the plot size in between.
void OrvGraph::SelectionStart(float x, float y)
{
    pctGraph_.AutoRedraw(true);
    if (bandShown_)
        interaction::ShowInstead(
            pctGraph_.hDC(), interaction::LinesOf(bandDrawn_, bandWidth_, bandHeight_), {});
    bandShown_ = false;
    anchorPending_ = true;
    zoomRect_ = BoundsRecord { x, x, y, y };
    pctGraph_.Refresh();
    pctGraph_.AutoRedraw(false);
}

// The picture goes from the lines shown (none while the anchor is pending) to the anchor's
// lines and the pointer's. A move that finds no selection shown, also one that arrives without
// a press (after a zoom or a clear during the drag), draws the anchor's lines with the
// pointer's, so that what is shown is always a whole selection that a later press removes.
void OrvGraph::SelectionDrag(float x, float y)
{
    pctGraph_.AutoRedraw(true);
    const int32_t width = CLng(pctGraph_.ScaleWidth());
    const int32_t height = CLng(pctGraph_.ScaleHeight());
    BoundsRecord target = zoomRect_;
    target.XMax = x;
    target.YMax = y;
    const interaction::BandLines shown = bandShown_
        ? interaction::LinesOf(bandDrawn_, bandWidth_, bandHeight_)
        : interaction::BandLines {};
    interaction::ShowInstead(pctGraph_.hDC(), shown, interaction::LinesOf(target, width, height));
    anchorPending_ = false;
    bandShown_ = true;
    bandDrawn_ = target;
    bandWidth_ = width;
    bandHeight_ = height;
    pctGraph_.Refresh();
    pctGraph_.AutoRedraw(false);
    zoomRect_ = target;
}

// The selection stays on screen; a zoom called from the host's InsideMouseUp finds the final
// position already stored.
void OrvGraph::SelectionEnd(float x, float y)
{
    zoomRect_.XMax = x;
    zoomRect_.YMax = y;
}

} // namespace vantrel
