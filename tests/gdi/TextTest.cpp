// TextOutA and GetTextExtentPoint32A: metrics, background modes, clipping, raster operations and
// a golden image.
#include "GdiTestSupport.h"
#include "gdi/Font.h"

#include <climits>
#include <string>
#include <tuple>
#include <utility>

namespace gdi::test {
namespace {

using TextTest = GdiTest;

// A pattern no text colour below reproduces by chance, anchored at (origin, origin) so that two
// boxes can carry the same pattern at an offset.
void FillPattern(const Pixmap& box, int32_t origin = 0)
{
    Paint(box, [origin](int32_t x, int32_t y) {
        const int32_t u = x - origin + 1000;
        const int32_t v = y - origin + 1000;
        return static_cast<uint32_t>((u * 37 + v * 11) % 256) * 0x010101u
            ^ (((u / 4 + v / 4) % 2) != 0 ? 0x4080C0u : 0u);
    });
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
    Pixmap box(1, 1, white);
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
        { "two million letters", std::string(1'000'000, 'W'), std::string(1'000'000, 'W') },
    };
    for (const auto& [label, left, right] : rows) {
        EXPECT_GT(Extent(left).cx, 0) << label;
        EXPECT_EQ(Extent(left + right).cx, Extent(left).cx + Extent(right).cx) << label;
    }
    Pixmap box(1, 1, white);
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32A(box.Dc(), "0123", 2, &size));
    EXPECT_EQ(size.cx, Extent("01").cx);
    for (const auto& [text, count] :
        { std::pair<const char*, int32_t> { nullptr, 0 }, { "abc", -1 }, { "abc", INT32_MIN } }) {
        EXPECT_FALSE(TextOutA(box.Dc(), 0, 0, text, count)) << count;
        EXPECT_FALSE(GetTextExtentPoint32A(box.Dc(), text, count, &size)) << count;
    }
    EXPECT_FALSE(GetTextExtentPoint32A(box.Dc(), "abc", 3, nullptr));
    // A missing family is reported, not substituted.
    EXPECT_EQ(FontFace::Load("No Such Family Vantrel", 11), nullptr);
    EXPECT_NE(FontFace::Load("DejaVu Sans", 11), nullptr);
}

// Text cut by the bitmap's edges or a clip rectangle equals the same part of the text drawn
// whole on a larger bitmap carrying the same background, in R2_COPYPEN: raster operations do
// not apply to text in either background mode.
TEST_F(TextTest, ClippedTextEqualsPartOfWholeTextInAnyRasterOperation)
{
    constexpr int32_t margin = 30;
    const RECT clip { 4, 3, 15, 12 };
    const std::tuple<const char*, int32_t, int32_t, bool, int32_t, int32_t> rows[] = {
        { "left and top edges", -4, -6, false, OPAQUE, R2_COPYPEN },
        { "right and bottom edges, R2_NOT", 12, 9, false, OPAQUE, R2_NOT },
        { "mostly outside, R2_BLACK", -40, 15, false, TRANSPARENT, R2_BLACK },
        { "clip rectangle, R2_XORPEN", 1, 2, true, OPAQUE, R2_XORPEN },
        { "transparent, R2_NOP", 1, 2, false, TRANSPARENT, R2_NOP },
        { "transparent, R2_WHITE", 1, 2, false, TRANSPARENT, R2_WHITE },
    };
    for (const auto& [label, textX, textY, clipped, mode, rop] : rows) {
        SCOPED_TRACE(label);
        Pixmap whole(20 + 2 * margin, 20 + 2 * margin, white);
        Pixmap part(20, 20, white);
        FillPattern(whole, margin);
        FillPattern(part);
        Style(whole.Dc(), mode, 0x800000, 0xC0C0C0);
        Style(part.Dc(), mode, 0x800000, 0xC0C0C0);
        SetROP2(part.Dc(), rop);
        if (clipped)
            SetClipRect(part.Dc(), &clip);
        const Pixmap before = part;
        ASSERT_TRUE(Draw(whole.Dc(), textX + margin, textY + margin, "Clip jW\xC5"));
        ASSERT_TRUE(Draw(part.Dc(), textX, textY, "Clip jW\xC5"));
        Pixmap expected = before;
        for (int32_t y = 0; y < 20; ++y)
            for (int32_t x = 0; x < 20; ++x)
                if (!clipped
                    || (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom))
                    expected.View().At(x, y) = whole.At(x + margin, y + margin);
        EXPECT_EQ(part, expected);
        EXPECT_NE(expected, before);
    }
}

TEST_F(TextTest, GoldenLinesInColours)
{
    Pixmap box(160, 90, white);
    Paint(box, [](int32_t x, int32_t y) {
        return ((x + y) / 6) % 2 != 0 ? 0xE0F0FFu : (y < 45 ? 0xFFFFFFu : 0x303030u);
    });
    struct Row {
        int32_t x, y, mode;
        COLORREF text, back;
        const char* words;
    };
    const Row rows[] = {
        { 4, 2, TRANSPARENT, 0x000000, 0, "0.25 1E-3 -4.5E+2 k" },
        { 4, 16, TRANSPARENT, 0x0000FF, 0, "Quick brown fox jumps" },
        { 4, 30, OPAQUE, 0x008000, 0xC0C0C0, "Opaque: AVAWAY Tg" },
        { 4, 48, TRANSPARENT, 0xFFFFFF, 0,
            "White on dark \xB5V \xB0"
            "C" },
        { 4, 62, TRANSPARENT, 0x00C0FF, 0, "\xC4\xD6\xDC \xE4\xF6\xFC\xDF \xE9\xE8 \xB1\xBD" },
        { -6, 76, OPAQUE, 0xFF00FF, 0xFFFF00, "clipped at both edges of this bitmap" },
    };
    for (const Row& row : rows) {
        Style(box.Dc(), row.mode, row.text, row.back);
        ASSERT_TRUE(Draw(box.Dc(), row.x, row.y, row.words));
    }
    EXPECT_EQ(CompareWithGolden("gdi/text-lines", box.View()), "");
}

} // namespace
} // namespace gdi::test
