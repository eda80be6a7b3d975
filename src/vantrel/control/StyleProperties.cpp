// Stored properties of drawing style, retention, zoom and frame margins, with their checks.
#include "control/OrvGraphImpl.h"

#include <cmath>
#include <vantrel/Error.h>

namespace vantrel {

void OrvGraph::Impl::KeepData(bool value)
{
    keepData_ = value;
    Notify("KeepData");
}

void OrvGraph::Impl::ZoomEnabled(bool value)
{
    zoomEnabled_ = value;
    Notify("ZoomEnabled");
}

void OrvGraph::Impl::DrawStyle(int32_t value)
{
    drawStyle_ = value;
    Notify("DrawStyle");
}

void OrvGraph::Impl::DrawMode(int32_t value)
{
    drawMode_ = value;
    Notify("DrawMode");
}

// A negative width is ignored silently.
void OrvGraph::Impl::DrawWidth(int16_t value)
{
    if (value < 0)
        return;
    drawWidth_ = value;
    Notify("DrawWidth");
}

void OrvGraph::Impl::CirclePoints(bool value)
{
    circlePoints_ = value;
    Notify("CirclePoints");
}

// 0 or less is ignored silently; above the 16-bit field's range is an overflow.
void OrvGraph::Impl::CircleRadius(int32_t value)
{
    if (value <= 0)
        return;
    if (value > INT16_MAX)
        throw Error(errOverflow);
    circleRadius_ = static_cast<int16_t>(value);
    Notify("CircleRadius");
}

void OrvGraph::Impl::CubicFit(bool value)
{
    cubicFit_ = value;
    Notify("CubicFit");
}

// Only 0.1 to 10 pixels, both included, are taken; anything else (NaN too) is ignored.
void OrvGraph::Impl::CubicFitInterval(double value)
{
    if (!(value >= 0.1 && value <= 10.0))
        return;
    cubicFitInterval_ = value;
    Notify("CubicFitInterval");
}

void OrvGraph::Impl::MoveInsideIfEmpty()
{
    if (!dataLoaded_)
        MoveInside();
}

namespace {

// Stores a value the plot area's placement depends on and places the plot area again; when
// that fails (margins whose sum overflows, 6), the old value comes back before the error goes
// on, so that a refused value changes nothing. The picture moves whole or not at all.
template <class T, class Place> void StoreAndPlace(T& field, T value, Place place)
{
    const T old = field;
    field = value;
    try {
        place();
    } catch (...) {
        field = old;
        throw;
    }
}

} // namespace

void OrvGraph::Impl::FrameEnabled(bool value)
{
    StoreAndPlace(frameEnabled_, value, [this] { MoveInsideIfEmpty(); });
    Notify("FrameEnabled");
}

void OrvGraph::Impl::SetMargin(float& margin, float value, std::string_view propertyName)
{
    StoreAndPlace(margin, value, [this] { MoveInsideIfEmpty(); });
    Notify(propertyName);
}

void OrvGraph::Impl::FrameLeft(float value) { SetMargin(frameLeft_, value, "FrameLeft"); }
void OrvGraph::Impl::FrameTop(float value) { SetMargin(frameTop_, value, "FrameTop"); }
void OrvGraph::Impl::FrameRight(float value) { SetMargin(frameRight_, value, "FrameRight"); }
void OrvGraph::Impl::FrameBottom(float value) { SetMargin(frameBottom_, value, "FrameBottom"); }

} // namespace vantrel
