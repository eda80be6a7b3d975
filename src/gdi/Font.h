// The font of every device context: a face found through fontconfig, rasterised by FreeType once.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace gdi {

// One anti-aliased glyph. Coverage 0 (none) to 255 (full), rows top-down, `width` bytes apart.
// The bitmap's top-left pixel is `left` pixels right of the pen position and `top` pixels above
// the baseline (both may be negative). `advance` is in whole pixels and never negative.
struct GlyphImage {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t rows = 0;
    int32_t advance = 0;
    std::vector<uint8_t> coverage;
};

// A face at one pixel size with the glyphs of code points 0-255 (Latin-1), loaded up front:
// immutable once made, no FreeType state is kept.
class FontFace {
public:
    // Null when fontconfig has no face of that family (it never substitutes another) or FreeType
    // cannot load it. emPixels: the em height in whole pixels, 1 to 1000.
    static std::unique_ptr<FontFace> Load(const char* family, int32_t emPixels);

    // The character cell: Height() = Ascent() + Descent(); the baseline is Ascent() pixels below
    // the cell's top.
    int32_t Ascent() const { return ascent_; }
    int32_t Descent() const { return descent_; }
    int32_t Height() const { return ascent_ + descent_; }
    // The smallest `left` of all glyphs (at most 0): how far a glyph can reach back of its pen.
    int32_t MinLeft() const { return minLeft_; }

    const GlyphImage& Glyph(uint8_t code) const { return glyphs_[code]; }

private:
    FontFace() = default;

    int32_t ascent_ = 0;
    int32_t descent_ = 0;
    int32_t minLeft_ = 0;
    std::array<GlyphImage, 256> glyphs_;
};

// The default font: DejaVu Sans, 8 points at 96 dots per inch. Made on first use and kept until
// the process ends; null (every time) when it cannot be found or loaded.
const FontFace* DefaultFontFace();

} // namespace gdi
