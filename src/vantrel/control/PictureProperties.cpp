// Properties that live in the pictures or act on them: appearance, pointer, enabled, colours.
#include "control/OrvGraphImpl.h"

#include <vantrel/Error.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

namespace {

// The pictures hold 16-bit values; a wider one is an overflow, not a truncation.
int16_t NarrowTo16(int32_t value)
{
    if (value < INT16_MIN || value > INT16_MAX)
        throw Error(errOverflow);
    return static_cast<int16_t>(value);
}

} // namespace

GraphAppearanceConstants OrvGraph::Impl::FrameAppearance() const
{
    return static_cast<GraphAppearanceConstants>(pctFrame_.Appearance());
}

// A new border erases the picture: the back colour is set again. Nothing is redrawn.
void OrvGraph::Impl::FrameAppearance(GraphAppearanceConstants value)
{
    pctFrame_.Appearance(NarrowTo16(value));
    pctFrame_.BackColor(frameBackColor_);
    Notify("FrameAppearance");
}

GraphAppearanceConstants OrvGraph::Impl::InsideAppearance() const
{
    return static_cast<GraphAppearanceConstants>(pctGraph_.Appearance());
}

void OrvGraph::Impl::InsideAppearance(GraphAppearanceConstants value)
{
    pctGraph_.Appearance(NarrowTo16(value));
    pctGraph_.BackColor(insideBackColor_);
    Notify("InsideAppearance");
}

int32_t OrvGraph::Impl::FrameMousePointer() const { return pctFrame_.MousePointer(); }

void OrvGraph::Impl::FrameMousePointer(int32_t value)
{
    pctFrame_.MousePointer(NarrowTo16(value));
    Notify("FrameMousePointer");
}

int32_t OrvGraph::Impl::InsideMousePointer() const { return pctGraph_.MousePointer(); }

void OrvGraph::Impl::InsideMousePointer(int32_t value)
{
    pctGraph_.MousePointer(NarrowTo16(value));
    Notify("InsideMousePointer");
}

bool OrvGraph::Impl::Enabled() const { return pctGraph_.Enabled(); }

void OrvGraph::Impl::Enabled(bool value)
{
    pctGraph_.Enabled(value);
    pctFrame_.Enabled(value);
    Notify("Enabled");
}

void OrvGraph::Impl::FrameForeColor(OleColor value)
{
    pctFrame_.ForeColor(value);
    frameForeColor_ = value;
    Notify("FrameForeColor");
}

// Setting a picture's back colour erases it; the redraw puts the graph back when there is
// retained data to replay.
void OrvGraph::Impl::SetPictureBackColor(platform::PictureSurface& picture, OleColor value)
{
    picture.AutoRedraw(true);
    picture.BackColor(value);
}

void OrvGraph::Impl::FrameBackColor(OleColor value)
{
    SetPictureBackColor(pctFrame_, value);
    frameBackColor_ = value;
    Notify("FrameBackColor");
    Redraw();
    pctFrame_.AutoRedraw(false);
}

void OrvGraph::Impl::InsideBackColor(OleColor value)
{
    SetPictureBackColor(pctGraph_, value);
    insideBackColor_ = value;
    Notify("InsideBackColor");
    Redraw();
    pctGraph_.AutoRedraw(false);
}

} // namespace vantrel
