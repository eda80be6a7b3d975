// The one owner of pixels: a memory device context with its own 32-bit bitmap selected, created
// and released together.
#pragma once

#include "gdi/Gdi.h"
#include "gdi/PixelView.h"

#include <cstdint>

namespace gdi {

// The DC can be drawn on with every GDI call; View() borrows the bitmap's pixels, which stay in
// place for the bitmap's life. Writes through the view bypass the GDI: they are the writer's to
// account for (a host that tracks changed rectangles records its own copies itself). A fresh DC in
// its default state: background mode OPAQUE, white background, black text, R2_COPYPEN, the stock
// pen and brush.
//
// A side of 0 is allowed: the bitmap is then 1 x 1 and the DC clips all drawing away, so that a
// picture of no size still has a DC to hand out. When the GDI refuses (a negative side, more
// than 2^28 pixels, no memory) the pixmap is invalid: 0 x 0, no DC, nothing to release. Never
// throws, except std::bad_alloc where the standard library does.
class Pixmap {
public:
    Pixmap() = default; // invalid
    // Every pixel `fill`, its top byte dropped.
    Pixmap(int32_t width, int32_t height, COLORREF fill = 0);
    // A new pixmap holding a copy of the view's pixels.
    explicit Pixmap(PixelView pixels);
    ~Pixmap();
    // A copy has its own DC in the default state and the same pixels.
    Pixmap(const Pixmap& other);
    Pixmap& operator=(const Pixmap& other);
    Pixmap(Pixmap&& other) noexcept;
    Pixmap& operator=(Pixmap&& other) noexcept;

    bool Valid() const { return dc_ != 0; }
    HDC Dc() const { return dc_; }
    // The selected bitmap, for GDI calls on bitmaps; it changes with SwapBitmaps.
    HBITMAP Bitmap() const { return bitmap_; }
    int32_t Width() const { return view_.width; }
    int32_t Height() const { return view_.height; }
    PixelView View() const { return view_; }
    // CLR_INVALID outside; reads the bitmap whatever the DC's clip rectangle.
    COLORREF At(int32_t x, int32_t y) const
    {
        return view_.Contains(x, y) ? view_.At(x, y) & 0x00FFFFFFu : CLR_INVALID;
    }

    // Exchanges the bitmaps, and with them size and pixels, of two pixmaps; each DC keeps its
    // handle and its state (pen, brush, colours, raster operation) and is clipped to its new
    // bitmap. How a picture changes size without its DC changing, all or nothing.
    void SwapBitmaps(Pixmap& other);

    // Same size and the same pixels.
    bool operator==(const Pixmap& other) const { return SamePixels(view_, other.view_); }

private:
    void Release();
    void Attach(HBITMAP bitmap, int32_t width, int32_t height);

    HDC dc_ = 0;
    HBITMAP bitmap_ = 0;
    HGDIOBJ original_ = 0; // the DC's stock bitmap, selected back before the DC goes
    PixelView view_;
};

} // namespace gdi
