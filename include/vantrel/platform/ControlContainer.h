// Host kit: the container interface a host implements to site an OrvGraph (its inner size, the
// ambient UserMode, the property-changed notification and the screen's twips per pixel).
//
// A host sites the control with three objects that outlive it: one ControlContainer and two
// PictureSurfaces (the frame and, in front of it, the plot area), passed to OrvGraph's
// constructor. It then drives the lifecycle (InitProperties or ReadProperties, Resize whenever
// the container's size changes, WriteProperties, AmbientChanged) and delivers pointer input
// through the pictures' PictureListener. These interfaces are the whole contract between the
// control and a toolkit; nothing else of the control's internals is needed.
#pragma once

#include <string_view>

namespace vantrel::platform {

class ControlContainer {
public:
    virtual ~ControlContainer() = default;

    // The control's inner size in twips, read afresh whenever it is needed.
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    // The ambient UserMode: True when the host runs, False in its designer.
    virtual bool UserMode() const = 0;

    // Tells the host that the persisted property `name` changed.
    virtual void PropertyChanged(std::string_view name) = 0;

    // The screen's twips per pixel (15 at 96 dots per inch).
    virtual float TwipsPerPixelX() const = 0;
    virtual float TwipsPerPixelY() const = 0;
};

} // namespace vantrel::platform
