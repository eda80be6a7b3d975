// Single pixels, brush fills, bitmap copies and direct surface access.
#include "Canvas.h"
#include "HandleTable.h"

#include <cstddef>
#include <cstring>

namespace gdi {

// The platform's own driver applies the DC's raster operation to SetPixel (it paints a 1x1
// rectangle with the mix); a clipped point fails with CLR_INVALID, as documented.
COLORREF SetPixel(HDC hdc, int32_t x, int32_t y, COLORREF color)
{
    DrawTarget target;
    if (!ResolveTarget(hdc, &target) || !target.canvas.Contains(x, y))
        return CLR_INVALID;
    const COLORREF rgb = color & 0x00FFFFFFu;
    uint32_t& pixel = target.canvas.Row(y)[x];
    pixel = MixForRop2(target.dc->rop2, rgb).Apply(pixel);
    return rgb;
}

COLORREF GetPixel(HDC hdc, int32_t x, int32_t y)
{
    DrawTarget target;
    if (!ResolveTarget(hdc, &target) || !target.canvas.Contains(x, y))
        return CLR_INVALID;
    return target.canvas.Row(y)[x];
}

// A plain copy of the brush colour: FillRect does not use the raster operation. The rectangle is
// not normalised; a reversed one is empty.
BOOL FillRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    DrawTarget target;
    const BrushObject* fill = Handles().FindAs<BrushObject>(brush);
    if (!ResolveTarget(hdc, &target) || !rect || !fill)
        return FALSE;
    if (!fill->hollow)
        target.canvas.PaintRect(
            rect->left, rect->top, rect->right, rect->bottom, MixForRop2(R2_COPYPEN, fill->color));
    return TRUE;
}

// SRCCOPY only. The copied area is clipped to the destination's clip and to the source bitmap;
// source and destination may be the same bitmap (overlapping rows copy as if through a buffer).
BOOL BitBlt(HDC hdcDest, int32_t x, int32_t y, int32_t cx, int32_t cy, HDC hdcSrc, int32_t x1,
    int32_t y1, uint32_t rop)
{
    DrawTarget dest;
    DrawTarget source;
    if (rop != SRCCOPY || !ResolveTarget(hdcDest, &dest) || !ResolveTarget(hdcSrc, &source))
        return FALSE;
    const BitmapObject* sourceBitmap = Handles().FindAs<BitmapObject>(source.dc->bitmap);
    if (!sourceBitmap || cx <= 0 || cy <= 0 || dest.canvas.Empty())
        return TRUE;
    // Work in 64 bits: offsets of the destination relative to the source.
    const int64_t shiftX = int64_t { x } - x1;
    const int64_t shiftY = int64_t { y } - y1;
    int64_t left = std::max<int64_t>({ x, dest.canvas.clip.left, shiftX });
    int64_t top = std::max<int64_t>({ y, dest.canvas.clip.top, shiftY });
    int64_t right = std::min<int64_t>(
        { int64_t { x } + cx, dest.canvas.clip.right, shiftX + sourceBitmap->width });
    int64_t bottom = std::min<int64_t>(
        { int64_t { y } + cy, dest.canvas.clip.bottom, shiftY + sourceBitmap->height });
    if (left >= right || top >= bottom)
        return TRUE;
    const size_t bytes = static_cast<size_t>(right - left) * sizeof(uint32_t);
    const bool upward = source.canvas.pixels == dest.canvas.pixels && shiftY > 0;
    for (int64_t i = 0; i < bottom - top; ++i) {
        const int64_t row = upward ? bottom - 1 - i : top + i;
        uint32_t* to = dest.canvas.Row(static_cast<int32_t>(row)) + left;
        const uint32_t* from = sourceBitmap->pixels.data()
            + static_cast<std::ptrdiff_t>(row - shiftY) * sourceBitmap->width + (left - shiftX);
        std::memmove(to, from, bytes);
    }
    return TRUE;
}

BOOL GetSurface(HDC hdc, Surface* surface)
{
    DrawTarget target;
    if (!surface || !ResolveTarget(hdc, &target))
        return FALSE;
    const BitmapObject* bitmap = Handles().FindAs<BitmapObject>(target.dc->bitmap);
    Surface result;
    if (bitmap) {
        result.view
            = PixelView { target.canvas.pixels, bitmap->width, bitmap->height, bitmap->width };
    }
    result.clip = target.canvas.clip;
    result.rop2 = target.dc->rop2;
    if (target.pen) {
        result.penStyle = target.pen->style;
        result.penWidth = target.pen->width;
        result.penColor = target.pen->color;
    }
    *surface = result;
    return TRUE;
}

} // namespace gdi
