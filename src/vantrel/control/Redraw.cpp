// The full redraw: everything retained, replayed at the present size for a range.
#include "control/OrvGraphImpl.h"

#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

// Without KeepData nothing was retained, and before anything was painted there is nothing to
// replay.
void OrvGraph::Impl::Redraw()
{
    if (keepData_ && dataLoaded_)
        RedrawAll(displayed_.XMin, displayed_.YMin, displayed_.XMax, displayed_.YMax);
}

// The current data's bounds stay: a zoom changes the displayed range through here while the
// full range stays. DataLoaded is not reset; the replayed items set it again. A range that
// cannot be scaled leaves both pictures erased and in retained mode.
void OrvGraph::Impl::RedrawAll(double XMin, double YMin, double XMax, double YMax)
{
    ClearFrame(false);
    LayoutGraph(XMin, YMin, XMax, YMax);
    if (!scaled_)
        return;
    BeginDrawing(FrameDrawing::always);
    DrawCurrentData(currentData_);
    EndDrawing(true);
}

} // namespace vantrel
