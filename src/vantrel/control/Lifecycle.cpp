// The control's creation, siting on the pictures, initialisation with defaults, termination.
#include "control/OrvGraphImpl.h"

#include <vantrel/Rounding.h>
#include <vantrel/platform/ControlContainer.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

class OrvGraph::Impl::PictureInput final : public platform::PictureListener {
public:
    using Handler = void (OrvGraph::Impl::*)(PointerKind, int16_t, int16_t, float, float);

    PictureInput(Impl& graph, Handler handler)
        : graph_(graph)
        , handler_(handler)
    {
    }

    void Click() override { (graph_.*handler_)(PointerKind::click, 0, 0, 0.0f, 0.0f); }
    void MouseDown(int16_t button, int16_t shift, float x, float y) override
    {
        (graph_.*handler_)(PointerKind::down, button, shift, x, y);
    }
    void MouseMove(int16_t button, int16_t shift, float x, float y) override
    {
        (graph_.*handler_)(PointerKind::move, button, shift, x, y);
    }
    void MouseUp(int16_t button, int16_t shift, float x, float y) override
    {
        (graph_.*handler_)(PointerKind::up, button, shift, x, y);
    }

private:
    Impl& graph_;
    Handler handler_;
};

AxisFormatRecord OrvGraph::Impl::EmptyFormat()
{
    AxisFormatRecord empty;
    empty.GridStyle = ggsNone;
    empty.GridLines = 0;
    empty.GridColor = 0;
    empty.OriginColor = 0;
    empty.OriginStyle = ggsNone;
    empty.Values = false;
    empty.ToolTipValues = false;
    empty.ValuePrecision = 0;
    return empty;
}

OrvGraph::Impl::Impl(platform::ControlContainer& container, platform::PictureSurface& frame,
    platform::PictureSurface& inside)
    : container_(container)
    , pctFrame_(frame)
    , pctGraph_(inside)
    , frameInput_(std::make_unique<PictureInput>(*this, &OrvGraph::Impl::FrameMouse))
    , insideInput_(std::make_unique<PictureInput>(*this, &OrvGraph::Impl::InsideMouse))
{
    pctFrame_.SetListener(frameInput_.get());
    pctGraph_.SetListener(insideInput_.get());
}

OrvGraph::Impl::~Impl()
{
    pctFrame_.SetListener(nullptr);
    pctGraph_.SetListener(nullptr);
}

void OrvGraph::Impl::SetEventSink(OrvGraphEvents* sink) { sink_ = sink; }

bool OrvGraph::Impl::UserMode() const { return container_.UserMode(); }

void OrvGraph::Impl::Notify(std::string_view propertyName)
{
    container_.PropertyChanged(propertyName);
}

// The host's ambient properties do not concern the control.
void OrvGraph::Impl::AmbientChanged(std::string_view) { }

void OrvGraph::Impl::InitProperties()
{
    FrameAppearance(gra3D);
    InsideAppearance(gra3D);
    FrameMousePointer(0);
    InsideMousePointer(2);
    FrameForeColor(0);
    FrameBackColor(0x80000005u);
    InsideBackColor(0x80000005u);
    Enabled(true);
    KeepData(true);
    ZoomEnabled(true);
    DrawStyle(0);
    DrawMode(13);
    DrawWidth(0);
    FrameEnabled(true);
    FrameLeft(1200.0f);
    FrameRight(480.0f);
    FrameTop(1200.0f);
    FrameBottom(480.0f);
    XAxisType(gatLinear);
    XGridStyle(ggsLines);
    XGridLines(10);
    XGridColor(0xC0C0C0u);
    XAxisName("");
    XAxisUnits("");
    XAxisValues(true);
    XAxisToolTip(true);
    XAxisValuePrecision(3);
    XAxisValueFormat(gavNormal);
    XOrigin(0.0);
    XOriginColor(0xC0C0C0u);
    XOriginStyle(ggsLines);
    YAxisType(gatLinear);
    YGridStyle(ggsLines);
    YGridLines(10);
    YGridColor(0xC0C0C0u);
    YAxisName("");
    YAxisUnits("");
    YAxisValues(true);
    YAxisToolTip(true);
    YAxisValuePrecision(3);
    YAxisValueFormat(gavNormal);
    YOrigin(0.0);
    YOriginColor(0xC0C0C0u);
    YOriginStyle(ggsLines);
    CirclePoints(false);
    CircleRadius(3);
    CubicFit(false);
    CubicFitInterval(1.0);
}

int32_t OrvGraph::Impl::GraphPixelWidth() const { return CLng(pctGraph_.ScaleWidth()); }
int32_t OrvGraph::Impl::GraphPixelHeight() const { return CLng(pctGraph_.ScaleHeight()); }
int32_t OrvGraph::Impl::FramePixelWidth() const { return CLng(pctFrame_.ScaleWidth()); }
int32_t OrvGraph::Impl::FramePixelHeight() const { return CLng(pctFrame_.ScaleHeight()); }

} // namespace vantrel
