// One 32-bit bitmap selected into its own memory device context, owned together.
#pragma once

#include "PixelImage.h"

#include <cstdint>
#include <gdi/Gdi.h>
#include <vector>

namespace vantrel::hostkit {

// The DC keeps its handle and its state (pen, raster operation, colours) for its whole life;
// a new size swaps the bitmap underneath it. The bitmap is at least 1 x 1 pixel: a canvas of
// zero width or height keeps a 1 x 1 bitmap and clips all drawing away.
class PictureCanvas {
public:
    // A 0 x 0 canvas in background mode TRANSPARENT. Raises Error 7 when the GDI refuses.
    PictureCanvas();
    ~PictureCanvas();
    PictureCanvas(const PictureCanvas&) = delete;
    PictureCanvas& operator=(const PictureCanvas&) = delete;

    gdi::HDC Dc() const { return dc_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

    // A bitmap for Adopt; 0 when the GDI refuses.
    static gdi::HBITMAP CreateBitmapFor(int32_t width, int32_t height);
    // Takes a bitmap from CreateBitmapFor(width, height), deletes the former one, and clips
    // drawing to width x height. The new bitmap's pixels are left as they come.
    void Adopt(gdi::HBITMAP bitmap, int32_t width, int32_t height);

    // Every pixel of the width x height area.
    void Fill(gdi::COLORREF color);
    // Copies the overlap of `source`, placed at the origin.
    void Paste(const PixelImage& source);
    void CopyFrom(const PictureCanvas& source);
    // Copies one rectangle of `source` (clipped to both canvases) to the same place here.
    void CopyRectFrom(const PictureCanvas& source, const PixelRect& rect);
    // The areas GDI calls on the DC may have changed since the last call; the canvas's own
    // writes (Fill, Paste, CopyFrom) are not among them.
    std::vector<PixelRect> TakeChanges() const;
    // The pixels in place, valid until the next Adopt.
    PixelView View() const;
    PixelImage Copy() const;
    // CLR_INVALID outside the width x height area.
    gdi::COLORREF Pixel(int32_t x, int32_t y) const;

private:
    gdi::Surface Surface() const;
    void Clip();

    gdi::HDC dc_ = 0;
    gdi::HBITMAP bitmap_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

} // namespace vantrel::hostkit
