// Host kit: the picture surface interface a host implements twice for each OrvGraph (frame and
// plot area), with its retained image, device context, border and pointer input. The control
// draws through the software GDI (<gdi/Gdi.h>) into the device context the picture hands out;
// the host presents the composed image and translates its toolkit's input into PictureListener
// calls. See <vantrel/platform/ControlContainer.h> for how a host sites the control.
#pragma once

#include <cstdint>
#include <gdi/Gdi.h>
#include <string>
#include <string_view>
#include <vantrel/Colors.h>

namespace vantrel::platform {

// Receives a picture's click and pointer notifications, as the platform delivers them:
// Button 1 left, 2 right, 4 middle (in MouseMove the set of pressed buttons); Shift 1 shift,
// 2 control, 4 alt; X and Y in the picture's drawing coordinates (pixels, border excluded).
// A disabled picture delivers nothing.
class PictureListener {
public:
    virtual ~PictureListener() = default;

    virtual void Click() { }
    virtual void MouseDown(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) { }
    virtual void MouseMove(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) { }
    virtual void MouseUp(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/) { }
};

// A picture with a retained image and a screen.
//
// Units: Left, Top, Width and Height are twips in the container's coordinates (outer size,
// border included); ScaleWidth and ScaleHeight, drawing coordinates, TextWidth and TextHeight
// are pixels (the pictures work in scale mode pixels).
//
// AutoRedraw on: hDC draws into the retained image, Cls erases the image to BackColor.
// AutoRedraw off: hDC draws onto the screen only; that drawing is lost at the next repaint.
// Refresh repaints the screen from the retained image in both modes. Setting BackColor erases
// both. Setters that refuse a value raise vantrel::Error and leave the picture unchanged.
class PictureSurface {
public:
    virtual ~PictureSurface() = default;

    virtual bool AutoRedraw() const = 0;
    virtual void AutoRedraw(bool value) = 0;
    virtual void Cls() = 0;
    virtual void Refresh() = 0;
    // The device context of the retained image (AutoRedraw on) or of the screen (off). Its
    // brush is hollow (the picture's transparent fill style) and its background mode transparent.
    virtual gdi::HDC hDC() const = 0;

    virtual OleColor BackColor() const = 0;
    virtual void BackColor(OleColor value) = 0;
    virtual OleColor ForeColor() const = 0;
    virtual void ForeColor(OleColor value) = 0;
    // 0 flat (1-pixel border), 1 3-D (2-pixel sunken border); other values: error 380.
    virtual int16_t Appearance() const = 0;
    virtual void Appearance(int16_t value) = 0;
    // Pointer shapes 0 to 15 and 99 (custom); other values: error 380.
    virtual int16_t MousePointer() const = 0;
    virtual void MousePointer(int16_t value) = 0;
    virtual bool Enabled() const = 0;
    virtual void Enabled(bool value) = 0;
    virtual std::string ToolTipText() const = 0;
    virtual void ToolTipText(std::string value) = 0;

    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    virtual float Left() const = 0;
    virtual void Left(float value) = 0;
    virtual float Top() const = 0;
    virtual void Top(float value) = 0;
    virtual float Width() const = 0;
    virtual void Width(float value) = 0;
    virtual float Height() const = 0;
    virtual void Height(float value) = 0;
    // Position and size in one operation.
    virtual void Move(float Left, float Top, float Width, float Height) = 0;

    // Extent of a text in the picture's font; lines separated by line feeds add up in height,
    // the widest line gives the width.
    virtual float TextWidth(std::string_view text) const = 0;
    virtual float TextHeight(std::string_view text) const = 0;

    // Connects the receiver of click and pointer notifications (nullptr disconnects).
    virtual void SetListener(PictureListener* listener) = 0;
};

} // namespace vantrel::platform
