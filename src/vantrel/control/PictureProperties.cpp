// Properties that live in the pictures or act on them: appearance, pointer, enabled, colours.
#include <vantrel/Error.h>
#include <vantrel/OrvGraph.h>
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

GraphAppearanceConstants OrvGraph::FrameAppearance() const
{
    return static_cast<GraphAppearanceConstants>(pctFrame_.Appearance());
}

// A new border erases the picture: the back colour is set again. Nothing is redrawn.
void OrvGraph::FrameAppearance(GraphAppearanceConstants value)
{
    pctFrame_.Appearance(NarrowTo16(value));
    pctFrame_.BackColor(frameBackColor_);
    Notify("FrameAppearance");
}

GraphAppearanceConstants OrvGraph::InsideAppearance() const
{
    return static_cast<GraphAppearanceConstants>(pctGraph_.Appearance());
}

void OrvGraph::InsideAppearance(GraphAppearanceConstants value)
{
    pctGraph_.Appearance(NarrowTo16(value));
    pctGraph_.BackColor(insideBackColor_);
    Notify("InsideAppearance");
}

int32_t OrvGraph::FrameMousePointer() const { return pctFrame_.MousePointer(); }

void OrvGraph::FrameMousePointer(int32_t value)
{
    pctFrame_.MousePointer(NarrowTo16(value));
    Notify("FrameMousePointer");
}

int32_t OrvGraph::InsideMousePointer() const { return pctGraph_.MousePointer(); }

void OrvGraph::InsideMousePointer(int32_t value)
{
    pctGraph_.MousePointer(NarrowTo16(value));
    Notify("InsideMousePointer");
}

bool OrvGraph::Enabled() const { return pctGraph_.Enabled(); }

void OrvGraph::Enabled(bool value)
{
    pctGraph_.Enabled(value);
    pctFrame_.Enabled(value);
    Notify("Enabled");
}

void OrvGraph::FrameForeColor(OleColor value)
{
    pctFrame_.ForeColor(value);
    frameForeColor_ = value;
    Notify("FrameForeColor");
}

// Setting a picture's back colour erases it; the redraw puts the graph back when there is
// retained data to replay.
void OrvGraph::SetPictureBackColor(platform::PictureSurface& picture, OleColor value)
{
    picture.AutoRedraw(true);
    picture.BackColor(value);
}

void OrvGraph::FrameBackColor(OleColor value)
{
    SetPictureBackColor(pctFrame_, value);
    frameBackColor_ = value;
    Notify("FrameBackColor");
    Redraw();
    pctFrame_.AutoRedraw(false);
}

void OrvGraph::InsideBackColor(OleColor value)
{
    SetPictureBackColor(pctGraph_, value);
    insideBackColor_ = value;
    Notify("InsideBackColor");
    Redraw();
    pctGraph_.AutoRedraw(false);
}

} // namespace vantrel
