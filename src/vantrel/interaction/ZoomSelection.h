// The zoom selection gesture on the plot area: where the selection lies and which of its lines
// the picture shows.
#pragma once

#include <cstdint>
#include <vantrel/Records.h>

namespace vantrel::platform {
class PictureSurface;
} // namespace vantrel::platform

namespace vantrel::interaction {

// Each step of the gesture draws into the picture's retained image and shows it at once.
// Removing lines draws exactly the lines last drawn, on the plot size of then, so nothing is
// left behind whatever happened to the pointer position or the plot size in between.
class ZoomSelection {
public:
    // The selection in plot pixels as the platform's single-precision positions: XMin and YMin
    // the anchor, XMax and YMax the pointer (not ordered).
    const BoundsRecord& Rect() const { return rect_; }

    // A press: the lines shown are removed and the anchor is set at the pointer.
    void Start(platform::PictureSurface& plot, float x, float y);
    // The picture goes from the lines shown (none after a press) to the anchor's lines and the
    // pointer's. A move that finds no selection shown, also one that arrives without a press
    // (after a zoom or a clear during the drag), draws the anchor's lines with the pointer's,
    // so that what is shown is always a whole selection that a later press removes.
    void Drag(platform::PictureSurface& plot, float x, float y);
    // The release: the lines stay on screen; a zoom called from the host's InsideMouseUp finds
    // the final position already stored.
    void End(float x, float y);

    // Collapses the selection onto its pointer corner on the axes named, so that a selection
    // already applied to an axis has no extent left on it.
    void Collapse(bool x, bool y);
    // The picture was erased, and the lines with it.
    void Erased() { shown_ = false; }

private:
    BoundsRecord rect_;
    bool shown_ = false;
    // The selection as last drawn (meaningful while shown_) and the plot's size in pixels then.
    BoundsRecord drawn_;
    int32_t drawnWidth_ = 0;
    int32_t drawnHeight_ = 0;
};

} // namespace vantrel::interaction
