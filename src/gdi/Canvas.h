// The pixels a drawing call may touch: a bitmap's pixels and the clip rectangle, resolved from a
// DC once per call; spans and single pixels painted through a raster-operation mix.
#pragma once

#include "GdiObjects.h"

#include <algorithm>
#include <cstddef>

namespace gdi {

struct Canvas {
    uint32_t* pixels = nullptr;
    int32_t stride = 0;
    RECT clip; // the bitmap's extent intersected with the DC's clip rectangle; may be empty

    bool Empty() const { return clip.right <= clip.left || clip.bottom <= clip.top; }
    bool Contains(int64_t x, int64_t y) const
    {
        return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
    }
    uint32_t* Row(int32_t y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }

    // Pixels [x0, x1) of row y, clipped; coordinates may lie anywhere in 64-bit range.
    void PaintSpan(int64_t y, int64_t x0, int64_t x1, Rop2Mix mix) const
    {
        if (y < clip.top || y >= clip.bottom)
            return;
        const int64_t from = std::max<int64_t>(x0, clip.left);
        const int64_t to = std::min<int64_t>(x1, clip.right);
        uint32_t* row = Row(static_cast<int32_t>(y));
        for (int64_t x = from; x < to; ++x)
            row[x] = mix.Apply(row[x]);
    }

    void PaintRect(int64_t left, int64_t top, int64_t right, int64_t bottom, Rop2Mix mix) const
    {
        const int64_t from = std::max<int64_t>(top, clip.top);
        const int64_t to = std::min<int64_t>(bottom, clip.bottom);
        for (int64_t y = from; y < to; ++y)
            PaintSpan(y, left, right, mix);
    }
};

// A DC resolved for drawing: its state, its canvas and its selected pen and brush.
struct DrawTarget {
    DcObject* dc = nullptr;
    BitmapObject* bitmap = nullptr;
    Canvas canvas;
    const PenObject* pen = nullptr;
    const BrushObject* brush = nullptr;
};

// False when hdc is not a live DC.
bool ResolveTarget(HDC hdc, DrawTarget* target);

// Notes that a drawing call may have changed pixels of [left, right) x [top, bottom), clipped
// to the canvas, when the target's bitmap tracks its changes. Callers pass a rectangle that
// holds every pixel they may paint; a larger one costs only presentation time.
void RecordChange(
    const DrawTarget& target, int64_t left, int64_t top, int64_t right, int64_t bottom);

} // namespace gdi
