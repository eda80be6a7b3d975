// What a window shows of a control on software pictures, and which picture a pointer is over:
// the two things a toolkit adapter does besides handing the control its container.
#pragma once

#include <cstdint>
#include <gdi/Pixmap.h>
#include <initializer_list>
#include <vantrel/hostkit/SoftPicture.h>

namespace vantrel::hostkit {

// Paints `background` (the container's colour, 0x00BBGGRR), then each picture, back to front,
// with its border at its outer position, into `window` (the control's pixels, origin at its
// top-left corner). Only the part inside `area` (half-open) is touched, so that a toolkit that
// knows what changed repaints just that.
void Compose(gdi::PixelView window, std::initializer_list<const SoftPicture*> backToFront,
    uint32_t background, const gdi::RECT& area);

// The whole window, width x height pixels. Raises 7 when the GDI refuses the bitmap.
gdi::Pixmap Compose(int32_t width, int32_t height,
    std::initializer_list<const SoftPicture*> backToFront, uint32_t background);

// A point of the window in the frontmost picture whose outer rectangle holds it, in that
// picture's drawing coordinates (border excluded; negative on the border itself).
struct PicturePoint {
    SoftPicture* picture = nullptr; // none: the point is over no picture
    float x = 0;
    float y = 0;
};

PicturePoint PictureAt(
    std::initializer_list<SoftPicture*> frontToBack, int32_t windowX, int32_t windowY);

// A point of the window in `picture`'s drawing coordinates wherever it lies: for the picture
// that holds the pointer captured while a button is down.
PicturePoint PointIn(SoftPicture& picture, int32_t windowX, int32_t windowY);

} // namespace vantrel::hostkit
