// Tests of TextOutA and GetTextExtentPoint32A: metrics, background modes, clipping, raster
// operations and a golden image.
#include "GdiTestSupport.h"
#include "gdi/Font.h"

#include <climits>
#include <string>
#include <vector>

namespace gdi::test {
namespace {

using TextTest = GdiTest;

// A pattern no text colour below reproduces by chance, anchored at (originX, originY) so that two
// boxes can carry the same pattern at an offset.
void FillPattern(const PaintBox& box, int32_t originX = 0, int32_t originY = 0)
{
    Surface surface;
    ASSERT_TRUE(GetSurface(box.Dc(), &surface));
    for (int32_t y = 0; y < surface.height; ++y) {
        for (int32_t x = 0; x < surface.width; ++x) {
            const int32_t u = x - originX + 1000;
            const int32_t v = y - originY + 1000;
            surface.pixels[y * surface.stride + x]
                = static_cast<uint32_t>((u * 37 + v * 11) % 256) * 0x010101u
                ^ (((u / 4 + v / 4) % 2) != 0 ? 0x4080C0u : 0u);
        }
    }
}

void Style(HDC dc, int32_t mode, COLORREF text, COLORREF back = 0)
{
    SetBkMode(dc, mode);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

BOOL Draw(HDC dc, int32_t x, int32_t y, const std::string& text)
{
    return TextOutA(dc, x, y, text.c_str(), static_cast<int32_t>(text.size()));
}

SIZE Extent(const std::string& text)
{
    PaintBox box(1, 1);
    SIZE size { -1, -1 };
    EXPECT_TRUE(
        GetTextExtentPoint32A(box.Dc(), text.c_str(), static_cast<int32_t>(text.size()), &size));
    return size;
}

// The pixels the text covers at all: drawn white on black, every covered pixel changes.
std::vector<bool> GlyphMask(
    int32_t width, int32_t height, int32_t x, int32_t y, const std::string& text)
{
    PaintBox box(width, height, 0);
    Style(box.Dc(), TRANSPARENT, 0xFFFFFF);
    EXPECT_TRUE(Draw(box.Dc(), x, y, text));
    std::vector<bool> mask;
    for (uint32_t pixel : box.Snapshot().pixels)
        mask.push_back(pixel != 0);
    return mask;
}

TEST_F(TextTest, CellIsThirteenPixelsAndWidthsAddUp)
{
    EXPECT_EQ(Extent("0").cy, 13);
    EXPECT_EQ(Extent("").cx, 0);
    EXPECT_EQ(Extent("").cy, 13);
    struct Row {
        const char* label;
        std::string left;
        std::string right;
    };
    const Row rows[] = {
        { "digits", "0.25", "E-3" },
        { "kerning pair AV", "A", "V" },
        { "spaces", "  ", " x " },
        { "Latin-1 letters", "\xC4\xD6", "\xDF\xE9\xB5" },
        { "control bytes", "\t\n", "\x01\x7F" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_GT(Extent(row.left).cx, 0);
        EXPECT_EQ(Extent(row.left + row.right).cx, Extent(row.left).cx + Extent(row.right).cx);
    }
    PaintBox box(1, 1);
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32A(box.Dc(), "0123", 2, &size));
    EXPECT_EQ(size.cx, Extent("01").cx);
}

TEST_F(TextTest, BadArgumentsAreRefused)
{
    PaintBox box(8, 8);
    const HDC deleted = CreateCompatibleDC(0);
    DeleteDC(deleted);
    const HGDIOBJ pen = GetStockObject(BLACK_PEN);
    struct Row {
        const char* label;
        HDC dc;
        const char* text;
        int32_t count;
    };
    const Row rows[] = {
        { "null text", box.Dc(), nullptr, 0 },
        { "negative count", box.Dc(), "abc", -1 },
        { "most negative count", box.Dc(), "abc", INT32_MIN },
        { "handle 0", 0, "abc", 3 },
        { "deleted DC", deleted, "abc", 3 },
        { "pen instead of DC", pen, "abc", 3 },
    };
    const Image before = box.Snapshot();
    SIZE size;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(TextOutA(row.dc, 0, 0, row.text, row.count), FALSE);
        EXPECT_EQ(GetTextExtentPoint32A(row.dc, row.text, row.count, &size), FALSE);
    }
    EXPECT_EQ(GetTextExtentPoint32A(box.Dc(), "abc", 3, nullptr), FALSE);
    EXPECT_EQ(box.Snapshot(), before);
}

// Outside the glyphs, TRANSPARENT leaves every pixel alone; OPAQUE fills the text cell with the
// background colour and leaves the rest alone.
TEST_F(TextTest, BackgroundModes)
{
    const std::string text = "Ag 0.5\xB5j";
    const SIZE cell = Extent(text);
    const std::vector<bool> mask = GlyphMask(60, 20, 3, 4, text);
    for (int32_t mode : { TRANSPARENT, OPAQUE }) {
        SCOPED_TRACE(mode == OPAQUE ? "opaque" : "transparent");
        PaintBox box(60, 20);
        FillPattern(box);
        const Image before = box.Snapshot();
        Style(box.Dc(), mode, 0x2040FF, 0x00FF00);
        ASSERT_TRUE(Draw(box.Dc(), 3, 4, text));
        const Image after = box.Snapshot();
        int32_t glyphPixelsChanged = 0;
        for (int32_t y = 0; y < 20; ++y) {
            for (int32_t x = 0; x < 60; ++x) {
                const size_t i = static_cast<size_t>(y * 60 + x);
                const bool inCell = x >= 3 && x < 3 + cell.cx && y >= 4 && y < 4 + cell.cy;
                if (mask[i]) {
                    glyphPixelsChanged += after.pixels[i] != before.pixels[i];
                    continue;
                }
                const uint32_t expected = mode == OPAQUE && inCell ? 0x00FF00u : before.pixels[i];
                ASSERT_EQ(after.pixels[i], expected) << x << "," << y;
            }
        }
        EXPECT_GT(glyphPixelsChanged, 20);
    }
}

TEST_F(TextTest, RasterOperationDoesNotApply)
{
    PaintBox reference(40, 16);
    FillPattern(reference);
    Style(reference.Dc(), TRANSPARENT, 0x0080FF);
    ASSERT_TRUE(Draw(reference.Dc(), 2, 1, "R2 0\xE9"));
    for (int32_t rop : { R2_BLACK, R2_NOT, R2_XORPEN, R2_NOP, R2_MASKPEN, R2_WHITE }) {
        SCOPED_TRACE(rop);
        PaintBox box(40, 16);
        FillPattern(box);
        Style(box.Dc(), TRANSPARENT, 0x0080FF);
        SetROP2(box.Dc(), rop);
        ASSERT_TRUE(Draw(box.Dc(), 2, 1, "R2 0\xE9"));
        EXPECT_EQ(box.Snapshot(), reference.Snapshot());
    }
}

// Text cut by the bitmap's edges or a clip rectangle equals the same part of the text drawn
// whole on a larger bitmap carrying the same background.
TEST_F(TextTest, ClippedTextEqualsPartOfWholeText)
{
    constexpr int32_t margin = 30;
    const RECT clip { 4, 3, 15, 12 };
    struct Row {
        const char* label;
        int32_t x;
        int32_t y;
        bool clipRect;
    };
    const Row rows[] = {
        { "left and top edges", -4, -6, false },
        { "right and bottom edges", 12, 9, false },
        { "mostly outside", -40, 15, false },
        { "clip rectangle", 1, 2, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        PaintBox whole(20 + 2 * margin, 20 + 2 * margin);
        PaintBox clipped(20, 20);
        FillPattern(whole, margin, margin);
        FillPattern(clipped);
        Style(whole.Dc(), OPAQUE, 0x800000, 0xC0C0C0);
        Style(clipped.Dc(), OPAQUE, 0x800000, 0xC0C0C0);
        if (row.clipRect)
            SetClipRect(clipped.Dc(), &clip);
        const Image before = clipped.Snapshot();
        ASSERT_TRUE(Draw(whole.Dc(), row.x + margin, row.y + margin, "Clip jW\xC5"));
        ASSERT_TRUE(Draw(clipped.Dc(), row.x, row.y, "Clip jW\xC5"));
        const Image after = clipped.Snapshot(); // At() cannot read outside the clip
        for (int32_t y = 0; y < 20; ++y) {
            for (int32_t x = 0; x < 20; ++x) {
                const size_t i = static_cast<size_t>(y * 20 + x);
                const bool inside = !row.clipRect
                    || (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom);
                const uint32_t expected
                    = inside ? whole.At(x + margin, y + margin) : before.pixels[i];
                ASSERT_EQ(after.pixels[i], expected) << x << "," << y;
            }
        }
        EXPECT_NE(after, before);
    }
}

TEST_F(TextTest, HugeCoordinatesAndLongTextsAreHarmless)
{
    const std::string longText(2'000'000, 'W');
    struct Row {
        const char* label;
        int32_t x;
        int32_t y;
    };
    const Row rows[] = {
        { "most negative", INT32_MIN, INT32_MIN },
        { "most positive", INT32_MAX, INT32_MAX },
        { "x just before the maximum", INT32_MAX - 3, 2 },
        { "x far left", INT32_MIN, 2 },
        { "y far below", 2, INT32_MAX - 5 },
        { "y far above", 2, INT32_MIN + 4 },
    };
    PaintBox box(20, 20);
    FillPattern(box);
    Style(box.Dc(), OPAQUE, 0, 0xFFFFFF);
    const Image before = box.Snapshot();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_TRUE(Draw(box.Dc(), row.x, row.y, "W0g"));
        EXPECT_TRUE(Draw(box.Dc(), row.x, row.y, longText));
    }
    EXPECT_EQ(box.Snapshot(), before);
    // From inside, a long text stops at the right edge after its first glyphs.
    EXPECT_TRUE(Draw(box.Dc(), 0, 0, longText));
    EXPECT_NE(box.Snapshot(), before);
    EXPECT_EQ(Extent(longText).cx, Extent("W").cx * static_cast<int32_t>(longText.size()));
}

TEST_F(TextTest, MissingFamilyIsReportedNotSubstituted)
{
    EXPECT_EQ(FontFace::Load("No Such Family Vantrel", 11), nullptr);
    EXPECT_NE(FontFace::Load("DejaVu Sans", 11), nullptr);
}

TEST_F(TextTest, GoldenLinesInColours)
{
    PaintBox box(160, 90);
    Surface surface;
    ASSERT_TRUE(GetSurface(box.Dc(), &surface));
    for (int32_t y = 0; y < 90; ++y) {
        for (int32_t x = 0; x < 160; ++x) {
            const bool stripe = ((x + y) / 6) % 2 != 0;
            surface.pixels[y * surface.stride + x]
                = stripe ? 0xE0F0FFu : (y < 45 ? 0xFFFFFFu : 0x303030u);
        }
    }
    struct Line {
        int32_t x;
        int32_t y;
        int32_t mode;
        COLORREF text;
        COLORREF back;
        const char* words;
    };
    const Line lines[] = {
        { 4, 2, TRANSPARENT, 0x000000, 0, "0.25 1E-3 -4.5E+2 k" },
        { 4, 16, TRANSPARENT, 0x0000FF, 0, "Quick brown fox jumps" },
        { 4, 30, OPAQUE, 0x008000, 0xC0C0C0, "Opaque: AVAWAY Tg" },
        { 4, 48, TRANSPARENT, 0xFFFFFF, 0,
            "White on dark \xB5V \xB0"
            "C" },
        { 4, 62, TRANSPARENT, 0x00C0FF, 0, "\xC4\xD6\xDC \xE4\xF6\xFC\xDF \xE9\xE8 \xB1\xBD" },
        { -6, 76, OPAQUE, 0xFF00FF, 0xFFFF00, "clipped at both edges of this bitmap" },
    };
    for (const Line& line : lines) {
        Style(box.Dc(), line.mode, line.text, line.back);
        ASSERT_TRUE(Draw(box.Dc(), line.x, line.y, line.words));
    }
    EXPECT_EQ(CompareWithGolden("gdi/text-lines", box.Snapshot()), "");
}

} // namespace
} // namespace gdi::test
