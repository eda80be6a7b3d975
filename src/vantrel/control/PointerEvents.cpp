// The pointer handlers of both pictures: the host's events, the values under the pointer with
// their tooltip, and the zoom selection gesture that runs first in the plot area's handlers.
#include "control/OrvGraphImpl.h"
#include "interaction/PointerValues.h"

#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

// Frame events speak frame pixels, scaled or not. The host may change the arguments; they are
// copies and never read back.
void OrvGraph::Impl::FrameMouse(PointerKind kind, int16_t button, int16_t shift, float x, float y)
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
void OrvGraph::Impl::InsideMouse(PointerKind kind, int16_t button, int16_t shift, float x, float y)
{
    if (kind == PointerKind::click) {
        if (sink_)
            sink_->InsideClick();
        return;
    }
    if (SelectionGesture(button)) {
        if (kind == PointerKind::down)
            zoom_.Start(pctGraph_, x, y);
        else if (kind == PointerKind::move)
            zoom_.Drag(pctGraph_, x, y);
        else
            zoom_.End(x, y);
    }
    double X = x;
    double Y = y;
    if (scaled_ && interaction::PointerValues(currentData_, x, y, X, Y)
        && kind == PointerKind::move)
        interaction::ShowPointerValues(pctGraph_, *currentData_, X, Y);
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

// The left button alone, on a graph whose frame is drawn, with retained data and zooming on.
// The zoom in force does not matter: a new selection can be made while zoomed.
bool OrvGraph::Impl::SelectionGesture(int16_t button) const
{
    return formatted_ && button == 1 && keepData_ && zoomEnabled_;
}

} // namespace vantrel
