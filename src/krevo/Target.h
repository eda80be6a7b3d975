// The pixels one DrawGraph2 call paints: a surface, its clip rectangle and the mix of the
// library's draw mode with the pen colour.
#pragma once

#include "gdi/Gdi.h"

#include <algorithm>
#include <cstdint>

namespace krevo {

struct Target {
    gdi::PixelView view;
    gdi::RECT clip; // half-open, inside the view
    gdi::Rop2Mix mix;
    bool copy = false; // the mix ignores the destination: a plain store of mix.xorMask

    bool Empty() const
    {
        return view.pixels == nullptr || clip.right <= clip.left || clip.bottom <= clip.top;
    }
    bool Contains(int64_t x, int64_t y) const
    {
        return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
    }
    int64_t Offset(int64_t x, int64_t y) const { return y * view.stride + x; }
    int64_t Stride() const { return view.stride; }
    void Paint(int64_t offset) const
    {
        uint32_t& pixel = view.pixels[offset];
        pixel = copy ? mix.xorMask : mix.Apply(pixel);
    }
    void PaintPixel(int64_t x, int64_t y) const
    {
        if (Contains(x, y))
            Paint(Offset(x, y));
    }
    // Rows [top, bottom) of column x, clipped.
    void PaintColumn(int64_t x, int64_t top, int64_t bottom) const
    {
        if (x < clip.left || x >= clip.right)
            return;
        const int64_t from = std::max<int64_t>(top, clip.top);
        const int64_t to = std::min<int64_t>(bottom, clip.bottom);
        for (int64_t offset = Offset(x, from), end = Offset(x, to); offset < end;
             offset += view.stride)
            Paint(offset);
    }
    // Columns [left, right) of row y, clipped.
    void PaintRow(int64_t y, int64_t left, int64_t right) const
    {
        if (y < clip.top || y >= clip.bottom)
            return;
        const int64_t from = std::max<int64_t>(left, clip.left);
        const int64_t to = std::min<int64_t>(right, clip.right);
        for (int64_t offset = Offset(from, y), end = Offset(to, y); offset < end; ++offset)
            Paint(offset);
    }
};

} // namespace krevo
