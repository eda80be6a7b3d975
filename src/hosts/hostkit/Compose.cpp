// Composing a control's pictures into a window, and finding the picture under a point.
#include <vantrel/Error.h>
#include <vantrel/hostkit/Compose.h>

namespace vantrel::hostkit {

void Compose(gdi::PixelView window, std::initializer_list<const SoftPicture*> backToFront,
    uint32_t background, const gdi::RECT& area)
{
    gdi::FillPixels(window.Crop(area.left, area.top, area.right, area.bottom), background);
    for (const SoftPicture* picture : backToFront)
        picture->PaintScreen(window, area);
}

gdi::Pixmap Compose(int32_t width, int32_t height,
    std::initializer_list<const SoftPicture*> backToFront, uint32_t background)
{
    gdi::Pixmap window(width, height);
    if (!window.Valid())
        throw Error(errOutOfMemory, "Out of memory");
    Compose(window.View(), backToFront, background, gdi::RECT { 0, 0, width, height });
    return window;
}

PicturePoint PointIn(SoftPicture& picture, int32_t windowX, int32_t windowY)
{
    const PixelBounds at = picture.OuterPixels();
    const int64_t border = picture.BorderPixels();
    return PicturePoint { &picture, static_cast<float>(int64_t { windowX } - at.left - border),
        static_cast<float>(int64_t { windowY } - at.top - border) };
}

PicturePoint PictureAt(
    std::initializer_list<SoftPicture*> frontToBack, int32_t windowX, int32_t windowY)
{
    for (SoftPicture* picture : frontToBack) {
        const PixelBounds at = picture->OuterPixels();
        const int64_t x = int64_t { windowX } - at.left;
        const int64_t y = int64_t { windowY } - at.top;
        if (x >= 0 && y >= 0 && x < at.width && y < at.height)
            return PointIn(*picture, windowX, windowY);
    }
    return PicturePoint {};
}

} // namespace vantrel::hostkit
