// Finding a face through fontconfig, rasterising its Latin-1 glyphs with FreeType, and the
// process-wide default font.
#include "Font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <type_traits>

namespace gdi {
namespace {

// 8 points at 96 dots per inch is 10.67 pixels; like the platform, the em height snaps to whole
// pixels (8 * 96 / 72 rounded: 11). At 11 pixels DejaVu Sans has ascent 10 and descent 3, so the
// cell (and the height of "0") is 13 pixels, the height of the platform's 8-point default font.
constexpr int32_t kDefaultPoints = 8;
constexpr int32_t kDotsPerInch = 96;
constexpr const char* kDefaultFamily = "DejaVu Sans";

// a * b / c rounded to nearest, halves up; a, b, c >= 0 and c > 0. Integer arithmetic only.
int64_t MulDivRound(int64_t a, int64_t b, int64_t c) { return (2 * a * b + c) / (2 * c); }

struct FontFile {
    std::string path;
    int index = 0;
};

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool HasFamily(FcPattern* pattern, const char* family)
{
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (FcStrCmpIgnoreCase(name, reinterpret_cast<const FcChar8*>(family)) == 0)
            return true;
    }
    return false;
}

// The regular face of `family`. fontconfig always answers with its best match, which may be any
// font at all, so the match must carry the family asked for.
std::optional<FontFile> LocateFont(const char* family)
{
    PatternPtr pattern(FcPatternCreate());
    if (!pattern)
        return std::nullopt;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern))
        return std::nullopt;
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match || result != FcResultMatch || !HasFamily(match.get(), family))
        return std::nullopt;
    FcChar8* path = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch || path == nullptr)
        return std::nullopt;
    FontFile file;
    file.path = reinterpret_cast<const char*>(path);
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &file.index) != FcResultMatch)
        file.index = 0;
    return file;
}

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using LibraryPtr = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDeleter>;
using FacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDeleter>;

// Light hinting (vertical only) keeps stems and the baseline crisp without distorting the glyph
// shapes; the advance is the hinted one, rounded to whole pixels as the platform's advances are.
std::optional<GlyphImage> RasteriseGlyph(FT_Face face, uint32_t codePoint)
{
    const FT_UInt index = FT_Get_Char_Index(face, codePoint); // 0: the face's missing-glyph box
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0)
        return std::nullopt;
    FT_GlyphSlot slot = face->glyph;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_LIGHT) != 0)
        return std::nullopt;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.num_grays != 256 || slot->advance.x < 0)
        return std::nullopt;
    GlyphImage glyph;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int32_t>(bitmap.width);
    glyph.rows = static_cast<int32_t>(bitmap.rows);
    glyph.advance = static_cast<int32_t>((slot->advance.x + 32) >> 6); // 26.6 to nearest pixel
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.rows));
    for (int32_t row = 0; row < glyph.rows; ++row) {
        const unsigned char* source = bitmap.pitch >= 0
            ? bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch
            : bitmap.buffer + static_cast<ptrdiff_t>(glyph.rows - 1 - row) * -bitmap.pitch;
        std::memcpy(glyph.coverage.data() + static_cast<size_t>(row) * glyph.width, source,
            static_cast<size_t>(glyph.width));
    }
    return glyph;
}

} // namespace

std::unique_ptr<FontFace> FontFace::Load(const char* family, int32_t emPixels)
{
    if (family == nullptr || emPixels < 1 || emPixels > 1000)
        return nullptr;
    const std::optional<FontFile> file = LocateFont(family);
    if (!file)
        return nullptr;

    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0)
        return nullptr;
    LibraryPtr library(rawLibrary);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), file->path.c_str(), file->index, &rawFace) != 0)
        return nullptr;
    FacePtr face(rawFace);
    if (!FT_IS_SCALABLE(face.get()) || face->units_per_EM == 0
        || FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(emPixels)) != 0
        || FT_Select_Charmap(face.get(), FT_ENCODING_UNICODE) != 0)
        return nullptr;

    // The cell comes from the OS/2 table's Windows ascent and descent, the metrics the platform
    // uses for its text cell, each scaled to the em height and rounded separately; the
    // horizontal header's values stand in for fonts without them.
    int64_t ascentUnits = face->ascender;
    int64_t descentUnits = -static_cast<int64_t>(face->descender);
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFFu && os2->usWinAscent + os2->usWinDescent > 0) {
        ascentUnits = os2->usWinAscent;
        descentUnits = os2->usWinDescent;
    }
    if (ascentUnits < 0 || descentUnits < 0)
        return nullptr;

    std::unique_ptr<FontFace> font(new FontFace());
    font->ascent_ = static_cast<int32_t>(MulDivRound(ascentUnits, emPixels, face->units_per_EM));
    font->descent_ = static_cast<int32_t>(MulDivRound(descentUnits, emPixels, face->units_per_EM));
    for (uint32_t code = 0; code < 256; ++code) {
        std::optional<GlyphImage> glyph = RasteriseGlyph(face.get(), code);
        if (!glyph)
            return nullptr;
        font->minLeft_ = std::min(font->minLeft_, glyph->left);
        font->glyphs_[code] = std::move(*glyph);
    }
    return font;
}

const FontFace* DefaultFontFace()
{
    // Process-wide font state: made once, destroyed with the process's static objects.
    static const std::unique_ptr<FontFace> font = FontFace::Load(
        kDefaultFamily, static_cast<int32_t>(MulDivRound(kDefaultPoints, kDotsPerInch, 72)));
    return font.get();
}

} // namespace gdi
