// The frame of the graph: grid marks and value text of both axes, then the origin marks.
#include "control/OrvGraphImpl.h"
#include "render/AxisPainter.h"
#include "render/OriginPainter.h"

#include <vantrel/Error.h>
#include <vantrel/platform/ControlContainer.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

namespace {

// An axis of the current data with its design and format; a host may have taken one away.
struct AxisParts {
    Ref<AxisDesign> design;
    AxisFormatRecord format;
};

AxisParts PartsOf(const Ref<Axis>& axis)
{
    if (!axis || !axis->Design() || !axis->Format())
        throw Error(errObjectNotSet);
    return { axis->Design(), axis->Format()->GetRecord() };
}

} // namespace

bool OrvGraph::Impl::DrawFrame()
{
    if (!scaled_)
        return false;
    DrawAxes();
    DrawOrigins();
    return true;
}

// The copy-pen raster operation stays set on both pictures afterwards.
void OrvGraph::Impl::DrawAxes()
{
    if (!currentData_)
        throw Error(errObjectNotSet);
    const gdi::HDC plot = pctGraph_.hDC();
    const gdi::HDC frame = pctFrame_.hDC();
    gdi::SetROP2(plot, gdi::R2_COPYPEN);
    gdi::SetROP2(frame, gdi::R2_COPYPEN);

    const render::PlotPlacement placement { pctGraph_.ScaleWidth(), pctGraph_.ScaleHeight(),
        static_cast<double>(frameLeft_) / static_cast<double>(container_.TwipsPerPixelX()),
        static_cast<double>(frameTop_) / static_cast<double>(container_.TwipsPerPixelY()) };
    const render::ValueTextStyle text { frameEnabled_, gdi::TranslateColor(frameForeColor_),
        pctFrame_.TextHeight("0"),
        [this](std::string_view value) { return pctFrame_.TextWidth(value); } };

    const AxisParts x = PartsOf(currentData_->XAxis());
    render::PaintXAxis(plot, frame, *x.design, x.format, placement, text);
    const AxisParts y = PartsOf(currentData_->YAxis());
    render::PaintYAxis(plot, frame, *y.design, y.format, placement, text);
}

// Compares each origin with the bounds last given to the layout, in the host's order.
void OrvGraph::Impl::DrawOrigins()
{
    if (!currentData_)
        throw Error(errObjectNotSet);
    const gdi::HDC plot = pctGraph_.hDC();
    gdi::SetROP2(plot, gdi::R2_COPYPEN);

    const AxisParts x = PartsOf(currentData_->XAxis());
    render::PaintXOrigin(
        plot, *x.design, x.format, { displayed_.XMin, displayed_.XMax }, pctGraph_.ScaleHeight());
    const AxisParts y = PartsOf(currentData_->YAxis());
    render::PaintYOrigin(
        plot, *y.design, y.format, { displayed_.YMin, displayed_.YMax }, pctGraph_.ScaleWidth());
}

} // namespace vantrel
