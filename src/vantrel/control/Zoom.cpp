// The zoom operations: the selection, given bounds or the home bounds redrawn from the retained
// data. Only the displayed bounds change; the current data's Bounds (home) never do here.
#include "control/OrvGraphImpl.h"
#include "interaction/PointerValues.h"

#include <vantrel/Error.h>

namespace vantrel {

bool OrvGraph::Impl::ZoomAllowed() const { return keepData_ && zoomEnabled_ && dataLoaded_; }

void OrvGraph::Impl::ZoomBox() { ZoomToSelection(grzBox); }
void OrvGraph::Impl::ZoomHorizontal() { ZoomToSelection(grzLeftRight); }
void OrvGraph::Impl::ZoomVertical() { ZoomToSelection(grzUpDown); }

// Each zoom converts the selection with the axes as displayed now, so zooms nest. A selection
// of no extent in values (a press without a drag, a selection already applied) changes nothing.
void OrvGraph::Impl::ZoomToSelection(GraphZoomConstants mode)
{
    if (!ZoomAllowed())
        return;
    BoundsRecord target;
    try {
        target = interaction::SelectionValues(currentData_, displayed_, zoom_.Rect(), mode);
    } catch (const Error&) {
        // A position no pixel can have (beyond 32 bits, not a number) selects nothing.
        return;
    }
    if (target.XMin == target.XMax || target.YMin == target.YMax)
        return;
    RedrawAll(target.XMin, target.YMin, target.XMax, target.YMax);
    // Each mode collapses only the axes it applied, so that ZoomHorizontal then ZoomVertical
    // use the one selection for both axes, and a repeated ZoomBox finds nothing left to apply.
    ZoomApplied(mode, mode != grzUpDown, mode != grzLeftRight);
}

// The bounds go to the redraw as given, not reordered.
void OrvGraph::Impl::ZoomUser(double XMin, double YMin, double XMax, double YMax)
{
    if (!ZoomAllowed())
        return;
    if (XMin == XMax || YMin == YMax)
        return;
    RedrawAll(XMin, YMin, XMax, YMax);
    ZoomApplied(grzUser, true, true);
}

// Already home: nothing changes, ZoomState included.
void OrvGraph::Impl::ZoomOff()
{
    if (!ZoomAllowed() || !currentData_)
        return;
    const Ref<GraphBounds> home = currentData_->Bounds();
    const double xMin = home->XMin();
    const double yMin = home->YMin();
    const double xMax = home->XMax();
    const double yMax = home->YMax();
    if (displayed_.XMin == xMin && displayed_.YMin == yMin && displayed_.XMax == xMax
        && displayed_.YMax == yMax)
        return;
    RedrawAll(xMin, yMin, xMax, yMax);
    ZoomApplied(grzOff, true, true);
}

// The redraw erased the selection's lines with the picture.
void OrvGraph::Impl::ZoomApplied(GraphZoomConstants mode, bool collapseX, bool collapseY)
{
    zoom_.Collapse(collapseX, collapseY);
    zoomState_ = mode;
    zoom_.Erased();
}

} // namespace vantrel
