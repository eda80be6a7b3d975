// Clearing the pictures and the current data, setting the scale, presenting retained drawing.
#include "control/OrvGraphImpl.h"

#include <vantrel/Error.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

// Draws nothing: grid, values and origin marks come back with the next drawing call (which
// finds Formatted False) or the next full redraw.
void OrvGraph::Impl::Clear(bool bRefresh)
{
    ClearFrame(bRefresh);
    if (bRefresh) {
        zoomState_ = grzOff;
        // The selection collapses onto its current corner.
        zoom_.Collapse(true, true);
    }
    ResetCurrentData();
    formatted_ = false;
    dataLoaded_ = false;
}

void OrvGraph::Impl::ClearFrame(bool bRefresh)
{
    ClearInside(bRefresh);
    zoom_.Erased();
    pctFrame_.AutoRedraw(true);
    pctFrame_.Cls();
    if (bRefresh)
        pctFrame_.AutoRedraw(false);
}

void OrvGraph::Impl::ClearInside(bool bRefresh)
{
    pctGraph_.AutoRedraw(true);
    pctGraph_.Cls();
    if (bRefresh)
        pctGraph_.AutoRedraw(false);
}

// The former current data is released, not changed: a host's source keeps its items. Unlike a
// layout, the plot area stays where it is and the displayed bounds stay as they are.
void OrvGraph::Impl::ResetCurrentData()
{
    currentData_ = std::make_shared<GraphData>();
    currentData_->Bounds()->SetRecord(displayed_);
    scaled_ = ScaleCurrentData();
}

namespace {

// What scaling needs of the current data, checked before the layout stores the new range: a
// control that was never cleared has none, and a host may have taken an axis format away.
void RequireScalable(const Ref<GraphData>& data)
{
    if (!data || !data->XAxis()->Format() || !data->YAxis()->Format())
        throw Error(errObjectNotSet);
}

} // namespace

// The range set becomes the full range too, to which an unzoom returns. Refused (91) before
// anything changes when there is no current data to scale.
void OrvGraph::Impl::SetScale(double XMin, double YMin, double XMax, double YMax)
{
    RequireScalable(currentData_);
    LayoutGraph(XMin, YMin, XMax, YMax);
    currentData_->Bounds()->SetRecord(displayed_);
}

// Presents what drawing with bRefresh False left in the retained images, and ends retained mode.
void OrvGraph::Impl::Refresh()
{
    pctGraph_.AutoRedraw(true);
    pctFrame_.AutoRedraw(true);
    pctGraph_.Refresh();
    pctFrame_.Refresh();
    pctGraph_.AutoRedraw(false);
    pctFrame_.AutoRedraw(false);
}

void OrvGraph::Impl::GetKeepPanel()
{
    const Ref<PanelManager> panels = currentData_->PanelList();
    if (panels->Count() == 0)
        panels->Add(std::make_shared<PanelData>(), -1);
}

} // namespace vantrel
