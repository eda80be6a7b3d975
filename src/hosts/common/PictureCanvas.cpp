// Bitmap-and-DC pairs of the pictures: creation, size swaps, fills and pixel copies.
#include "PictureCanvas.h"

#include <algorithm>
#include <cstring>
#include <vantrel/Error.h>

namespace vantrel::hostkit {

namespace {

constexpr uint32_t rgbMask = 0x00FFFFFFu;

std::size_t Offset(const gdi::Surface& s, int32_t x, int32_t y)
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(s.stride)
        + static_cast<std::size_t>(x);
}

} // namespace

PictureCanvas::PictureCanvas()
{
    dc_ = gdi::CreateCompatibleDC(0);
    bitmap_ = CreateBitmapFor(0, 0);
    if (dc_ == 0 || bitmap_ == 0) {
        if (dc_ != 0)
            gdi::DeleteDC(dc_);
        if (bitmap_ != 0)
            gdi::DeleteObject(bitmap_);
        throw Error(errOutOfMemory, "Out of memory");
    }
    gdi::SelectObject(dc_, bitmap_);
    gdi::SetBkMode(dc_, gdi::TRANSPARENT);
    // A picture's fill style is transparent: shapes drawn without a brush of their own leave
    // their interior as it was.
    gdi::SelectObject(dc_, gdi::GetStockObject(gdi::HOLLOW_BRUSH));
    Clip();
}

PictureCanvas::~PictureCanvas()
{
    // The DC goes first so that the bitmap is no longer selected when it is deleted.
    gdi::DeleteDC(dc_);
    gdi::DeleteObject(bitmap_);
}

gdi::HBITMAP PictureCanvas::CreateBitmapFor(int32_t width, int32_t height)
{
    return gdi::CreateBitmap32(std::max(width, 1), std::max(height, 1));
}

void PictureCanvas::Adopt(gdi::HBITMAP bitmap, int32_t width, int32_t height)
{
    gdi::SelectObject(dc_, bitmap);
    gdi::DeleteObject(bitmap_);
    bitmap_ = bitmap;
    width_ = width;
    height_ = height;
    Clip();
}

void PictureCanvas::Clip()
{
    const gdi::RECT area { 0, 0, width_, height_ };
    gdi::SetClipRect(dc_, &area);
}

gdi::Surface PictureCanvas::Surface() const
{
    gdi::Surface surface;
    if (!gdi::GetSurface(dc_, &surface) || surface.pixels == nullptr)
        return gdi::Surface {};
    // The drawable area is never larger than the bitmap.
    surface.width = std::min(surface.width, width_);
    surface.height = std::min(surface.height, height_);
    return surface;
}

void PictureCanvas::Fill(gdi::COLORREF color)
{
    const gdi::Surface s = Surface();
    for (int32_t y = 0; y < s.height; ++y)
        std::fill_n(s.pixels + Offset(s, 0, y), s.width, color & rgbMask);
}

void PictureCanvas::Paste(const PixelImage& source)
{
    const gdi::Surface s = Surface();
    const int32_t w = std::min(s.width, source.width);
    const int32_t h = std::min(s.height, source.height);
    for (int32_t y = 0; y < h; ++y)
        std::copy_n(source.pixels.begin() + static_cast<std::ptrdiff_t>(y) * source.width, w,
            s.pixels + Offset(s, 0, y));
}

void PictureCanvas::CopyFrom(const PictureCanvas& source)
{
    const gdi::Surface to = Surface();
    const gdi::Surface from = source.Surface();
    const int32_t w = std::min(to.width, from.width);
    const int32_t h = std::min(to.height, from.height);
    for (int32_t y = 0; y < h; ++y)
        std::copy_n(from.pixels + Offset(from, 0, y), w, to.pixels + Offset(to, 0, y));
}

PixelImage PictureCanvas::Copy() const
{
    const gdi::Surface s = Surface();
    PixelImage image(s.width, s.height);
    for (int32_t y = 0; y < s.height; ++y)
        for (int32_t x = 0; x < s.width; ++x)
            image.At(x, y) = s.pixels[Offset(s, x, y)] & rgbMask;
    return image;
}

gdi::COLORREF PictureCanvas::Pixel(int32_t x, int32_t y) const
{
    const gdi::Surface s = Surface();
    if (x < 0 || y < 0 || x >= s.width || y >= s.height)
        return gdi::CLR_INVALID;
    return s.pixels[Offset(s, x, y)] & rgbMask;
}

} // namespace vantrel::hostkit
