// A borrowed window on 32-bit pixels: what every reader and writer of a bitmap's pixels takes
// (the GDI's own surface, the plotting library, the pictures of the hosts, PNG files, tests).
#pragma once

#include <cstddef>
#include <cstdint>

namespace gdi {

// Pixels are COLORREF values (0x00BBGGRR; the top byte is carried, never read), rows top-down,
// `stride` pixels apart. The view neither owns nor frees them: whoever made it keeps the pixels
// alive and in place for as long as it is used. Writing through a view writes the owner's
// pixels. A default view is empty (no pixels, 0 x 0).
struct PixelView {
    uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;

    bool Empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
    bool Contains(int32_t x, int32_t y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height;
    }
    uint32_t* Row(int32_t y) const
    {
        return pixels + static_cast<std::ptrdiff_t>(y) * static_cast<std::ptrdiff_t>(stride);
    }
    // Unchecked: (x, y) must lie inside.
    uint32_t& At(int32_t x, int32_t y) const { return Row(y)[x]; }

    // The part [left, right) x [top, bottom), clipped to the view, with its own origin at
    // (left, top) of this one; empty when nothing overlaps.
    PixelView Crop(int32_t left, int32_t top, int32_t right, int32_t bottom) const;
};

// Copies the overlap of `from` into `to`, both placed at their origins.
void CopyPixels(PixelView from, PixelView to);
// Every pixel of the view.
void FillPixels(PixelView to, uint32_t color);
// Same size and the same pixels, the top byte ignored.
bool SamePixels(PixelView a, PixelView b);

} // namespace gdi
