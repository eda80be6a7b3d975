// TextOutA and GetTextExtentPoint32A: single-byte text in the default font.
//
// Bytes are Latin-1 code points. The width of a text is the sum of the glyphs' whole-pixel
// advances, without kerning (the platform's TextOut does not kern), so widths add up: the width
// of "ab" is the width of "a" plus that of "b". (x, y) is the top-left corner of the text cell;
// the baseline lies Ascent() pixels below y. Glyph coverage blends the text colour over the
// destination; the raster operation never applies to text. All positions are computed in 64
// bits, so any int32_t coordinate is safe, and drawing stops at the clip's right edge.
#include "Font.h"
#include "gdi/Gdi.h"

#include <algorithm>
#include <cstdint>

namespace gdi {
namespace {

// A half-open box in 64-bit coordinates.
struct Box {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;

    bool IsEmpty() const { return left >= right || top >= bottom; }
    Box Intersect(const Box& other) const
    {
        return { std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom) };
    }
};

bool IsDeviceContext(HDC hdc)
{
    const int32_t kind = GetObjectType(hdc);
    return kind == OBJ_DC || kind == OBJ_MEMDC;
}

int64_t TextWidth(const FontFace& font, const char* text, int32_t count)
{
    int64_t width = 0;
    for (int32_t i = 0; i < count; ++i)
        width += font.Glyph(static_cast<uint8_t>(text[i])).advance;
    return width;
}

// Each channel: (colour * coverage + destination * (255 - coverage)) / 255, rounded to nearest.
uint32_t Blend(uint32_t destination, COLORREF colour, uint32_t coverage)
{
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t over = (colour >> shift) & 0xFFu;
        const uint32_t under = (destination >> shift) & 0xFFu;
        const uint32_t mixed = (over * coverage + under * (255u - coverage) + 127u) / 255u;
        result |= mixed << shift;
    }
    return result;
}

uint32_t* PixelAt(const Surface& surface, int64_t x, int64_t y)
{
    return surface.view.pixels + y * surface.view.stride + x;
}

void FillBox(const Surface& surface, const Box& box, COLORREF colour)
{
    if (box.IsEmpty())
        return;
    for (int64_t y = box.top; y < box.bottom; ++y)
        std::fill(PixelAt(surface, box.left, y), PixelAt(surface, box.right, y), colour);
}

// The glyph's bitmap with its top-left pixel at (x, y), limited to `clip`.
void DrawGlyph(const Surface& surface, const Box& clip, const GlyphImage& glyph, int64_t x,
    int64_t y, COLORREF colour)
{
    const Box area = Box { x, y, x + glyph.width, y + glyph.rows }.Intersect(clip);
    if (area.IsEmpty())
        return;
    for (int64_t row = area.top; row < area.bottom; ++row) {
        const uint8_t* coverage = glyph.coverage.data() + (row - y) * glyph.width;
        uint32_t* pixel = PixelAt(surface, area.left, row);
        for (int64_t column = area.left; column < area.right; ++column, ++pixel) {
            const uint32_t alpha = coverage[column - x];
            if (alpha == 255u)
                *pixel = colour;
            else if (alpha != 0u)
                *pixel = Blend(*pixel, colour, alpha);
        }
    }
}

} // namespace

BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int32_t c, SIZE* size)
{
    if (text == nullptr || c < 0 || size == nullptr || !IsDeviceContext(hdc))
        return FALSE;
    const FontFace* font = DefaultFontFace();
    if (font == nullptr)
        return FALSE;
    const int64_t width = TextWidth(*font, text, c);
    if (width > INT32_MAX)
        return FALSE;
    size->cx = static_cast<int32_t>(width);
    size->cy = font->Height(); // also for an empty text, as the platform reports it
    return TRUE;
}

BOOL TextOutA(HDC hdc, int32_t x, int32_t y, const char* text, int32_t c)
{
    if (text == nullptr || c < 0)
        return FALSE;
    Surface surface;
    if (!GetSurface(hdc, &surface))
        return FALSE;
    const FontFace* font = DefaultFontFace();
    if (font == nullptr)
        return FALSE;
    const COLORREF textColour = GetTextColor(hdc) & 0x00FFFFFFu;
    const COLORREF backColour = GetBkColor(hdc) & 0x00FFFFFFu;
    const bool opaque = GetBkMode(hdc) == OPAQUE;

    const Box clip
        = Box { surface.clip.left, surface.clip.top, surface.clip.right, surface.clip.bottom }
              .Intersect(Box { 0, 0, surface.view.width, surface.view.height });
    if (surface.view.pixels == nullptr || clip.IsEmpty() || c == 0)
        return TRUE;

    const int64_t cellTop = y;
    if (opaque) {
        const Box cell { x, cellTop, x + TextWidth(*font, text, c), cellTop + font->Height() };
        FillBox(surface, cell.Intersect(clip), backColour);
    }
    // Glyphs can reach a little above or below the cell, so the rows are tested per glyph; a
    // glyph never starts more than -MinLeft() pixels left of its pen, which bounds the loop.
    const int64_t baseline = cellTop + font->Ascent();
    int64_t pen = x;
    for (int32_t i = 0; i < c && pen + font->MinLeft() < clip.right; ++i) {
        const GlyphImage& glyph = font->Glyph(static_cast<uint8_t>(text[i]));
        DrawGlyph(surface, clip, glyph, pen + glyph.left, baseline - glyph.top, textColour);
        pen += glyph.advance;
    }
    return TRUE;
}

} // namespace gdi
