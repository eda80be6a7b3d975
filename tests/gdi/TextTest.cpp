// TextOutA and GetTextExtentPoint32A: metrics, background modes, clipping, raster operations and
// a golden image.
#include "GdiTestSupport.h"
#include "gdi/Font.h"

#include <climits>
#include <string>
#include <tuple>
#include <utility>
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

TEST_F(TextTest, CellIsThirteenPixelsWidthsAddUpAndBadArgumentsFail)
{
    EXPECT_EQ(Extent("0").cy, 13);
    EXPECT_EQ(Extent("").cx, 0);
    EXPECT_EQ(Extent("").cy, 13);
    const std::tuple<const char*, std::string, std::string> rows[] = {
        { "digits", "0.25", "E-3" },
        { "kerning pair AV", "A", "V" },
        { "spaces", "  ", " x " },
        { "Latin-1 letters", "\xC4\xD6", "\xDF\xE9\xB5" },
        { "control bytes", "\t\n", "\x01\x7F" },
    };
    for (const auto& [label, left, right] : rows) {
        EXPECT_GT(Extent(left).cx, 0) << label;
        EXPECT_EQ(Extent(left + right).cx, Extent(left).cx + Extent(right).cx) << label;
    }
    PaintBox box(1, 1);
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32A(box.Dc(), "0123", 2, &size));
    EXPECT_EQ(size.cx, Extent("01").cx);
    for (const auto& [text, count] :
        { std::pair<const char*, int32_t> { nullptr, 0 }, { "abc", -1 }, { "abc", INT32_MIN } }) {
        EXPECT_FALSE(TextOutA(box.Dc(), 0, 0, text, count)) << count;
        EXPECT_FALSE(GetTextExtentPoint32A(box.Dc(), text, count, &size)) << count;
    }
    EXPECT_FALSE(GetTextExtentPoint32A(box.Dc(), "abc", 3, nullptr));
}

// Raster operations do not apply to text, in either background mode (what each mode paints is
// pinned by the golden image).
TEST_F(TextTest, RasterOperationDoesNotApply)
{
    for (const int32_t mode : { TRANSPARENT, OPAQUE }) {
        Image copied;
        for (const int32_t rop : { R2_COPYPEN, R2_BLACK, R2_NOT, R2_XORPEN, R2_NOP, R2_WHITE }) {
            PaintBox box(40, 16);
            FillPattern(box);
            Style(box.Dc(), mode, 0x2040FF, 0x00FF00);
            SetROP2(box.Dc(), rop);
            ASSERT_TRUE(Draw(box.Dc(), 2, 1, "Ag 0.5\xB5j"));
            if (rop == R2_COPYPEN)
                copied = box.Snapshot();
            EXPECT_EQ(box.Snapshot(), copied) << "mode " << mode << " rop " << rop;
        }
    }
}

// Text cut by the bitmap's edges or a clip rectangle equals the same part of the text drawn
// whole on a larger bitmap carrying the same background.
TEST_F(TextTest, ClippedTextEqualsPartOfWholeText)
{
    constexpr int32_t margin = 30;
    const RECT clip { 4, 3, 15, 12 };
    const std::tuple<const char*, int32_t, int32_t, bool> rows[] = {
        { "left and top edges", -4, -6, false },
        { "right and bottom edges", 12, 9, false },
        { "mostly outside", -40, 15, false },
        { "clip rectangle", 1, 2, true },
    };
    for (const auto& [label, textX, textY, clipped] : rows) {
        SCOPED_TRACE(label);
        PaintBox whole(20 + 2 * margin, 20 + 2 * margin);
        PaintBox part(20, 20);
        FillPattern(whole, margin, margin);
        FillPattern(part);
        Style(whole.Dc(), OPAQUE, 0x800000, 0xC0C0C0);
        Style(part.Dc(), OPAQUE, 0x800000, 0xC0C0C0);
        if (clipped)
            SetClipRect(part.Dc(), &clip);
        const Image before = part.Snapshot();
        ASSERT_TRUE(Draw(whole.Dc(), textX + margin, textY + margin, "Clip jW\xC5"));
        ASSERT_TRUE(Draw(part.Dc(), textX, textY, "Clip jW\xC5"));
        const Image after = part.Snapshot();
        for (int32_t y = 0; y < 20; ++y) {
            for (int32_t x = 0; x < 20; ++x) {
                const bool inside = !clipped
                    || (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom);
                const size_t i = static_cast<size_t>(y * 20 + x);
                ASSERT_EQ(
                    after.pixels[i], inside ? whole.At(x + margin, y + margin) : before.pixels[i])
                    << x << "," << y;
            }
        }
        EXPECT_NE(after, before);
    }
}

TEST_F(TextTest, HugeCoordinatesAndLongTextsAreHarmless)
{
    const std::string longText(2'000'000, 'W');
    PaintBox box(20, 20);
    FillPattern(box);
    Style(box.Dc(), OPAQUE, 0, 0xFFFFFF);
    const Image before = box.Snapshot();
    for (const auto& [x, y] : { std::pair { INT32_MIN, INT32_MIN }, { INT32_MAX, INT32_MAX },
             { INT32_MAX - 3, 2 }, { INT32_MIN, 2 }, { 2, INT32_MAX - 5 }, { 2, INT32_MIN + 4 } }) {
        EXPECT_TRUE(Draw(box.Dc(), x, y, "W0g")) << x << "," << y;
        EXPECT_TRUE(Draw(box.Dc(), x, y, longText)) << x << "," << y;
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
    for (int32_t y = 0; y < 90; ++y)
        for (int32_t x = 0; x < 160; ++x)
            surface.pixels[y * surface.stride + x]
                = ((x + y) / 6) % 2 != 0 ? 0xE0F0FFu : (y < 45 ? 0xFFFFFFu : 0x303030u);
    struct Line {
        int32_t x, y, mode;
        COLORREF text, back;
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
