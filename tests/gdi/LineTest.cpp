// LineTo: pixel choice against a slow reference, end points, wide pens, raster operations, and
// drawing twice in an inverting mode.
#include "GdiTestSupport.h"

#include <array>
#include <numeric>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace gdi::test {
namespace {

__extension__ typedef __int128 Int128;
using PixelSet = std::set<std::pair<int32_t, int32_t>>;

Int128 FloorDiv(Int128 a, Int128 b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

// Whether step k of a cosmetic line is drawn: the dash runs (on, off, ...) of styles 1-4,
// restated here from the platform's table.
bool DashOn(int32_t style, int64_t k)
{
    static const std::vector<int> runs[5]
        = { {}, { 18, 6 }, { 3, 3 }, { 9, 6, 3, 6 }, { 9, 3, 3, 3, 3, 3 } };
    const std::vector<int>& pattern = runs[style];
    if (pattern.empty())
        return true;
    int64_t position = k % std::accumulate(pattern.begin(), pattern.end(), 0);
    for (size_t i = 0;; position -= pattern[i++])
        if (position < pattern[i])
            return i % 2 == 0;
}

// The slow reference: the closed form of each step k (ties round towards the start's minor
// coordinate), visiting only the steps whose major coordinate lies inside the clip.
PixelSet ReferenceLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int32_t style, RECT clip)
{
    PixelSet pixels;
    const int64_t dx = x1 - x0;
    const int64_t dy = y1 - y0;
    const bool xMajor = std::abs(dx) > std::abs(dy);
    const int64_t n = std::max(std::abs(dx), std::abs(dy));
    const int64_t sign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    for (int64_t major = xMajor ? clip.left : clip.top; major < (xMajor ? clip.right : clip.bottom);
         ++major) {
        const int64_t k = (major - (xMajor ? x0 : y0)) * sign;
        if (k < 0 || k >= n || !DashOn(style, k))
            continue;
        const int64_t minor = (xMajor ? y0 : x0)
            + static_cast<int64_t>(
                FloorDiv(Int128 { 2 } * k * (xMajor ? dy : dx) + n - 1, 2 * Int128 { n }));
        const int64_t x = xMajor ? major : minor;
        const int64_t y = xMajor ? minor : major;
        if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom)
            pixels.insert({ static_cast<int32_t>(x), static_cast<int32_t>(y) });
    }
    return pixels;
}

PixelSet PaintedPixels(const Pixmap& box)
{
    PixelSet pixels;
    for (int32_t y = 0; y < box.Height(); ++y)
        for (int32_t x = 0; x < box.Width(); ++x)
            if (box.At(x, y) != 0x00FFFFFFu)
                pixels.insert({ x, y });
    return pixels;
}

// "left,top-right,bottom count" of the painted pixels (half-open), or "none".
std::string Footprint(const PixelSet& painted)
{
    if (painted.empty())
        return "none";
    RECT bounds { INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN };
    for (const auto& [x, y] : painted)
        bounds = { std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
            std::max(bounds.bottom, y + 1) };
    return std::to_string(bounds.left) + "," + std::to_string(bounds.top) + "-"
        + std::to_string(bounds.right) + "," + std::to_string(bounds.bottom) + " "
        + std::to_string(painted.size());
}

class LineTest : public GdiTest { };

// Near and far coordinates (a sixth of them anywhere in the 32-bit range, which also proves the
// clipping is not a walk), steep lines, every cosmetic style and random clip rectangles.
TEST_F(LineTest, RandomLinesSetExactlyTheReferencePixels)
{
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    Pixmap box(64, 48, white);
    std::uniform_int_distribution<int32_t> near(-40, 110);
    std::uniform_int_distribution<int32_t> far(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int32_t> coin(0, 5);
    SetBkMode(box.Dc(), TRANSPARENT);
    for (int i = 0; i < 3000; ++i) {
        auto coordinate = [&] { return coin(random) == 0 ? far(random) : near(random); };
        const int32_t x0 = coordinate();
        const int32_t y0 = coordinate();
        int32_t x1 = coordinate();
        const int32_t y1 = coordinate();
        if (coin(random) == 1) // steep
            x1 = static_cast<int32_t>(
                std::clamp<int64_t>(x0 + (int64_t { y1 } - y0) / 64, INT32_MIN, INT32_MAX));
        const int32_t style = i % 5;
        const RECT clip { near(random) / 2, near(random) / 2, near(random), near(random) };
        Paint(box, [](int32_t, int32_t) { return 0x00FFFFFFu; });
        SetClipRect(box.Dc(), &clip);
        {
            Selected pen(box.Dc(), CreatePen(style, 1, 0));
            Line(box.Dc(), x0, y0, x1, y1);
        }
        const RECT visible { std::max(0, clip.left), std::max(0, clip.top),
            std::min(64, clip.right), std::min(48, clip.bottom) };
        ASSERT_EQ(PaintedPixels(box), ReferenceLine(x0, y0, x1, y1, style, visible))
            << "(" << x0 << "," << y0 << ")-(" << x1 << "," << y1 << ") style " << style << " clip "
            << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom << " seed "
            << seed;
    }
}

// Wide pens (dashed styles drawn solid) get round caps that cover both ends; cosmetic ones are
// the random reference test's. The current position moves to the end either way.
TEST_F(LineTest, EndPointsAndWidePens)
{
    const std::tuple<const char*, int32_t, RECT, const char*> rows[] = {
        { "zero length draws nothing", 1, { 5, 5, 5, 5 }, "none" },
        { "width 3 horizontal", 3, { 5, 5, 10, 5 }, "4,4-12,7 24" },
        { "width 4 horizontal: rows y-2..y+1", 4, { 5, 5, 10, 5 }, "3,3-12,7 32" },
        { "width 3 dot", 3, { 5, 5, 5, 5 }, "4,4-7,7 9" },
        { "width 4 dot", 4, { 5, 5, 5, 5 }, "3,3-7,7 12" },
        { "width 2 vertical", 2, { 5, 2, 5, 8 }, "4,1-6,9 16" },
    };
    for (const auto& [label, width, ends, expected] : rows) {
        Pixmap box(16, 16, white);
        {
            Selected pen(box.Dc(), CreatePen(PS_DASH, width, 0));
            EXPECT_TRUE(Line(box.Dc(), ends.left, ends.top, ends.right, ends.bottom)) << label;
        }
        POINT position;
        GetCurrentPositionEx(box.Dc(), &position);
        EXPECT_TRUE(position.x == ends.right && position.y == ends.bottom) << label;
        EXPECT_EQ(Footprint(PaintedPixels(box)), expected) << label;
    }
}

TEST_F(LineTest, AllSixteenRasterOperationsMatchTheirTruthTables)
{
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    std::uniform_int_distribution<uint32_t> colour(0, 0x00FFFFFF);
    for (int32_t rop = 1; rop <= 16; ++rop) {
        Pixmap box(32, 1, white);
        Paint(box, [&](int32_t, int32_t) { return colour(random); });
        const Pixmap background = box;
        const uint32_t pen = colour(random);
        SetROP2(box.Dc(), rop);
        Selected selected(box.Dc(), CreatePen(PS_SOLID, 0, pen));
        Line(box.Dc(), 0, 0, 32, 0);
        for (int32_t x = 0; x < 32; ++x) {
            // Bit 2 * pen + dest of rop - 1 is the result for that pen bit and destination bit.
            uint32_t expected = 0;
            for (int32_t bit = 0; bit < 24; ++bit) {
                const uint32_t index = 2 * ((pen >> bit) & 1) + ((background.At(x, 0) >> bit) & 1);
                expected |= ((static_cast<uint32_t>(rop - 1) >> index) & 1) << bit;
            }
            ASSERT_EQ(box.At(x, 0), expected) << "rop " << rop << " x " << x << " seed " << seed;
            ASSERT_EQ(ApplyRop2(rop, background.At(x, 0), pen), expected) << "rop " << rop;
        }
    }
}

// Lines (with a continuation sharing the vertex), rectangles and ellipses of every style and
// width, drawn twice over a busy picture in an inverting mode, restore it exactly, dash gaps
// painted in OPAQUE mode included.
TEST_F(LineTest, DrawingTwiceInvertedRestoresABusyPicture)
{
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    Pixmap box(120, 90, white);
    std::uniform_int_distribution<int32_t> coordinate(-30, 150);
    std::uniform_int_distribution<uint32_t> colour(0, 0x00FFFFFF);
    Paint(box, [&](int32_t, int32_t) { return colour(random); });
    const Pixmap before = box;
    std::vector<std::array<int32_t, 4>> strokes(300);
    for (auto& stroke : strokes)
        for (int32_t& value : stroke)
            value = coordinate(random);
    for (const int32_t rop : { R2_NOT, R2_XORPEN, R2_NOTXORPEN }) {
        SetROP2(box.Dc(), rop);
        for (const int32_t mode : { OPAQUE, TRANSPARENT }) {
            SetBkMode(box.Dc(), mode);
            for (int pass = 0; pass < 2; ++pass) {
                for (size_t i = 0; i < strokes.size(); ++i) {
                    const auto [x0, y0, x1, y1] = strokes[i];
                    Selected pen(box.Dc(), CreatePen(i % 7, i % 5, 0x00345678u));
                    Selected brush(box.Dc(),
                        i % 4 == 1 ? GetStockObject(NULL_BRUSH) : CreateSolidBrush(0x123456));
                    if (i % 3 == 0)
                        Rectangle(box.Dc(), x0, y0, x1, y1);
                    else if (i % 3 == 1)
                        Ellipse(box.Dc(), x0, y0, x1, y1);
                    Line(box.Dc(), x0, y0, x1, y1);
                    LineTo(box.Dc(), x1 + 7, y1 - 3);
                }
                if (pass == 0) {
                    EXPECT_NE(box, before) << "rop " << rop;
                }
            }
            EXPECT_EQ(box, before) << "rop " << rop << " mode " << mode << " seed " << seed;
        }
    }
}

} // namespace
} // namespace gdi::test
