// LineTo with 1-pixel and wide pens: pixel choice against a slow reference, end points, dash
// phase, clipping of huge coordinates, raster operations and the current position.
#include "GdiTestSupport.h"

#include <chrono>
#include <set>
#include <utility>
#include <vector>

namespace gdi::test {
namespace {

__extension__ typedef __int128 Int128;

Int128 FloorDiv(Int128 a, Int128 b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

// The dash runs of the cosmetic pen styles, restated here from the platform's table.
std::vector<int> DashRuns(int32_t style)
{
    switch (style) {
    case PS_DASH:
        return { 18, 6 };
    case PS_DOT:
        return { 3, 3 };
    case PS_DASHDOT:
        return { 9, 6, 3, 6 };
    case PS_DASHDOTDOT:
        return { 9, 3, 3, 3, 3, 3 };
    default:
        return {};
    }
}

bool DashOn(int32_t style, int64_t k)
{
    const std::vector<int> runs = DashRuns(style);
    if (runs.empty())
        return true;
    int period = 0;
    for (int run : runs)
        period += run;
    int64_t position = k % period;
    for (size_t i = 0; i < runs.size(); ++i) {
        if (position < runs[i])
            return i % 2 == 0;
        position -= runs[i];
    }
    return false;
}

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

// The slow reference: the closed form of each pixel k, visiting only k whose major coordinate is
// inside the clip.
PixelSet ReferenceLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int32_t style, RECT clip)
{
    PixelSet pixels;
    const int64_t dx = x1 - x0;
    const int64_t dy = y1 - y0;
    const bool xMajor = std::abs(dx) > std::abs(dy);
    const int64_t n = std::max(std::abs(dx), std::abs(dy));
    if (n == 0)
        return pixels;
    const int64_t lo = xMajor ? clip.left : clip.top;
    const int64_t hi = xMajor ? clip.right : clip.bottom;
    for (int64_t major = lo; major < hi; ++major) {
        const int64_t start = xMajor ? x0 : y0;
        const int64_t sign = (xMajor ? dx : dy) < 0 ? -1 : 1;
        const int64_t k = (major - start) * sign;
        if (k < 0 || k >= n || !DashOn(style, k))
            continue;
        const int64_t delta = xMajor ? dy : dx;
        const int64_t minor = (xMajor ? y0 : x0)
            + static_cast<int64_t>(FloorDiv(Int128 { 2 } * k * delta + n - 1, Int128 { 2 } * n));
        const int64_t x = xMajor ? major : minor;
        const int64_t y = xMajor ? minor : major;
        if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom)
            pixels.insert({ static_cast<int32_t>(x), static_cast<int32_t>(y) });
    }
    return pixels;
}

PixelSet PaintedPixels(const PaintBox& box, uint32_t background)
{
    PixelSet pixels;
    for (int32_t y = 0; y < box.Height(); ++y)
        for (int32_t x = 0; x < box.Width(); ++x)
            if (box.At(x, y) != background)
                pixels.insert({ x, y });
    return pixels;
}

std::string Describe(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int32_t style, RECT clip)
{
    return "line (" + std::to_string(x0) + "," + std::to_string(y0) + ")-(" + std::to_string(x1)
        + "," + std::to_string(y1) + ") style " + std::to_string(style) + " clip "
        + std::to_string(clip.left) + "," + std::to_string(clip.top) + ","
        + std::to_string(clip.right) + "," + std::to_string(clip.bottom);
}

class LineTest : public GdiTest { };

TEST_F(LineTest, RandomLinesSetExactlyTheReferencePixels)
{
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    PaintBox box(64, 48);
    std::uniform_int_distribution<int32_t> near(-40, 110);
    std::uniform_int_distribution<int32_t> far(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int32_t> coin(0, 5);
    for (int i = 0; i < 3000; ++i) {
        auto coordinate = [&] { return coin(random) == 0 ? far(random) : near(random); };
        const int32_t x0 = coordinate();
        const int32_t y0 = coordinate();
        int32_t x1 = coordinate();
        int32_t y1 = coordinate();
        if (coin(random) == 1)
            x1 = static_cast<int32_t>(std::clamp<int64_t>(
                x0 + (int64_t { y1 } - y0) / 64, INT32_MIN, INT32_MAX)); // steep
        const int32_t style = i % 5; // solid and the four dashed styles
        RECT clip { near(random) / 2, near(random) / 2, near(random), near(random) };
        const RECT all { 0, 0, 64, 48 };
        const HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        ResetClip(box.Dc());
        FillRect(box.Dc(), &all, white);
        SetClipRect(box.Dc(), &clip);
        SetBkMode(box.Dc(), TRANSPARENT);
        {
            Selected pen(box.Dc(), CreatePen(style, 1, 0));
            MoveToEx(box.Dc(), x0, y0, nullptr);
            LineTo(box.Dc(), x1, y1);
        }
        const RECT visible { std::max(0, clip.left), std::max(0, clip.top),
            std::min(64, clip.right), std::min(48, clip.bottom) };
        ResetClip(box.Dc());
        const PixelSet expected = ReferenceLine(x0, y0, x1, y1, style, visible);
        ASSERT_EQ(PaintedPixels(box, 0x00FFFFFFu), expected)
            << Describe(x0, y0, x1, y1, style, clip) << " seed " << seed;
    }
}

TEST_F(LineTest, EndPointIsLeftOutAndPositionMoves)
{
    struct Row {
        const char* label;
        int32_t x0, y0, x1, y1;
        std::vector<std::pair<int32_t, int32_t>> pixels;
    };
    const Row rows[] = {
        { "rightwards sets columns 0-9", 0, 0, 10, 0, {} },
        { "leftwards sets 1-10", 10, 2, 0, 2, {} },
        { "zero length draws nothing", 5, 5, 5, 5, {} },
        { "shallow tie goes up", 0, 0, 2, 1, { { 0, 0 }, { 1, 0 } } },
        { "shallow tie reversed", 2, 1, 0, 0, { { 2, 1 }, { 1, 0 } } },
        { "steep tie goes left", 0, 0, 1, 2, { { 0, 0 }, { 0, 1 } } },
        { "diagonal", 0, 0, 3, 3, { { 0, 0 }, { 1, 1 }, { 2, 2 } } },
    };
    for (const Row& row : rows) {
        PaintBox box(16, 8);
        MoveToEx(box.Dc(), row.x0, row.y0, nullptr);
        EXPECT_TRUE(LineTo(box.Dc(), row.x1, row.y1));
        POINT position;
        GetCurrentPositionEx(box.Dc(), &position);
        EXPECT_EQ(position.x, row.x1) << row.label;
        EXPECT_EQ(position.y, row.y1) << row.label;
        PixelSet expected(row.pixels.begin(), row.pixels.end());
        for (int32_t x = 0; x < 10 && row.label[0] == 'r'; ++x)
            expected.insert({ x, 0 });
        for (int32_t x = 1; x <= 10 && row.label[0] == 'l'; ++x)
            expected.insert({ x, 2 });
        EXPECT_EQ(PaintedPixels(box, 0x00FFFFFFu), expected) << row.label;
    }
}

TEST_F(LineTest, DrawingTwiceInvertedRestoresABusyPicture)
{
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    PaintBox box(120, 90);
    std::uniform_int_distribution<int32_t> coordinate(-30, 150);
    std::uniform_int_distribution<uint32_t> colour(0, 0x00FFFFFF);
    // A busy picture: random lines of every style and width in copy mode.
    for (int i = 0; i < 200; ++i) {
        Selected pen(box.Dc(), CreatePen(i % 7, i % 4, colour(random)));
        MoveToEx(box.Dc(), coordinate(random), coordinate(random), nullptr);
        LineTo(box.Dc(), coordinate(random), coordinate(random));
    }
    const Image before = box.Snapshot();
    struct Stroke {
        int32_t style, width, x0, y0, x1, y1;
    };
    std::vector<Stroke> strokes;
    for (int i = 0; i < 300; ++i)
        strokes.push_back({ i % 7, i % 5, coordinate(random), coordinate(random),
            coordinate(random), coordinate(random) });
    for (const int32_t rop : { R2_NOT, R2_XORPEN, R2_NOTXORPEN }) {
        SetROP2(box.Dc(), rop);
        for (const int32_t mode : { OPAQUE, TRANSPARENT }) {
            SetBkMode(box.Dc(), mode);
            for (int pass = 0; pass < 2; ++pass) {
                for (const Stroke& s : strokes) {
                    Selected pen(box.Dc(), CreatePen(s.style, s.width, 0x00345678u));
                    MoveToEx(box.Dc(), s.x0, s.y0, nullptr);
                    LineTo(box.Dc(), s.x1, s.y1);
                    // Polyline-style continuation shares vertices without double painting.
                    LineTo(box.Dc(), s.x1 + 7, s.y1 - 3);
                }
                if (pass == 0) {
                    EXPECT_NE(box.Snapshot(), before) << "rop " << rop;
                }
            }
            EXPECT_EQ(box.Snapshot(), before)
                << "rop " << rop << " mode " << mode << " seed " << seed;
        }
    }
    SetROP2(box.Dc(), R2_COPYPEN);
}

TEST_F(LineTest, HugeCoordinatesClipExactlyAndFast)
{
    PaintBox box(200, 150);
    const auto start = std::chrono::steady_clock::now();
    for (const int32_t style : { PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT }) {
        PaintBox lines(200, 150);
        {
            Selected pen(lines.Dc(), CreatePen(style, 1, 0));
            MoveToEx(lines.Dc(), -2000000000, -2000000000, nullptr);
            LineTo(lines.Dc(), 2000000000, 2000000000);
            MoveToEx(lines.Dc(), INT32_MIN, 7, nullptr);
            LineTo(lines.Dc(), INT32_MAX, 140);
            MoveToEx(lines.Dc(), 150, INT32_MAX, nullptr);
            LineTo(lines.Dc(), 20, INT32_MIN);
        }
        PixelSet expected;
        const RECT all { 0, 0, 200, 150 };
        for (const auto& line :
            { std::array<int64_t, 4> { -2000000000, -2000000000, 2000000000, 2000000000 },
                std::array<int64_t, 4> { INT32_MIN, 7, INT32_MAX, 140 },
                std::array<int64_t, 4> { 150, INT32_MAX, 20, INT32_MIN } }) {
            const PixelSet one = ReferenceLine(line[0], line[1], line[2], line[3], style, all);
            EXPECT_FALSE(one.empty());
            expected.insert(one.begin(), one.end());
        }
        EXPECT_EQ(PaintedPixels(lines, 0x00FFFFFFu), expected) << "style " << style;
    }
    // Wide pens with huge coordinates and widths clip just as fast.
    for (const int32_t width : { 3, 4, 100000, INT32_MAX }) {
        Selected pen(box.Dc(), CreatePen(PS_SOLID, width, 0));
        MoveToEx(box.Dc(), INT32_MIN, INT32_MIN, nullptr);
        LineTo(box.Dc(), INT32_MAX, INT32_MAX - 5);
    }
    EXPECT_EQ(box.At(100, 40), 0u);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
}

TEST_F(LineTest, WidePensCoverTheirEndsWithRoundCaps)
{
    struct Row {
        const char* label;
        int32_t width;
        int32_t x0, y0, x1, y1;
        RECT bounds; // of the painted pixels, half-open
        int32_t count;
    };
    const Row rows[] = {
        { "width 3 horizontal", 3, 5, 5, 10, 5, { 4, 4, 12, 7 }, 3 * 6 + 2 * 3 - 0 },
        { "width 4 horizontal: rows y-2..y+1", 4, 5, 5, 10, 5, { 3, 3, 12, 7 }, 0 },
        { "width 3 dot", 3, 5, 5, 5, 5, { 4, 4, 7, 7 }, 9 },
        { "width 4 dot", 4, 5, 5, 5, 5, { 3, 3, 7, 7 }, 12 },
        { "width 2 vertical", 2, 5, 2, 5, 8, { 4, 1, 6, 9 }, 0 },
    };
    for (const Row& row : rows) {
        PaintBox box(16, 16);
        {
            Selected pen(box.Dc(), CreatePen(PS_DASH, row.width, 0)); // wide dashed pens draw solid
            MoveToEx(box.Dc(), row.x0, row.y0, nullptr);
            LineTo(box.Dc(), row.x1, row.y1);
        }
        const PixelSet painted = PaintedPixels(box, 0x00FFFFFFu);
        ASSERT_FALSE(painted.empty()) << row.label;
        RECT bounds { 99, 99, -1, -1 };
        for (const auto& [x, y] : painted) {
            bounds.left = std::min(bounds.left, x);
            bounds.top = std::min(bounds.top, y);
            bounds.right = std::max(bounds.right, x + 1);
            bounds.bottom = std::max(bounds.bottom, y + 1);
        }
        EXPECT_EQ(bounds.left, row.bounds.left) << row.label;
        EXPECT_EQ(bounds.top, row.bounds.top) << row.label;
        EXPECT_EQ(bounds.right, row.bounds.right) << row.label;
        EXPECT_EQ(bounds.bottom, row.bounds.bottom) << row.label;
        if (row.count > 0) {
            EXPECT_EQ(static_cast<int32_t>(painted.size()), row.count) << row.label;
        }
    }
}

TEST_F(LineTest, AllSixteenRasterOperationsMatchTheirFormulas)
{
    using Formula = uint32_t (*)(uint32_t p, uint32_t d);
    const std::pair<const char*, Formula> formulas[16] = {
        { "BLACK", [](uint32_t, uint32_t) { return 0u; } },
        { "NOTMERGEPEN", [](uint32_t p, uint32_t d) { return ~(p | d); } },
        { "MASKNOTPEN", [](uint32_t p, uint32_t d) { return ~p & d; } },
        { "NOTCOPYPEN", [](uint32_t p, uint32_t) { return ~p; } },
        { "MASKPENNOT", [](uint32_t p, uint32_t d) { return p & ~d; } },
        { "NOT", [](uint32_t, uint32_t d) { return ~d; } },
        { "XORPEN", [](uint32_t p, uint32_t d) { return p ^ d; } },
        { "NOTMASKPEN", [](uint32_t p, uint32_t d) { return ~(p & d); } },
        { "MASKPEN", [](uint32_t p, uint32_t d) { return p & d; } },
        { "NOTXORPEN", [](uint32_t p, uint32_t d) { return ~(p ^ d); } },
        { "NOP", [](uint32_t, uint32_t d) { return d; } },
        { "MERGENOTPEN", [](uint32_t p, uint32_t d) { return ~p | d; } },
        { "COPYPEN", [](uint32_t p, uint32_t) { return p; } },
        { "MERGEPENNOT", [](uint32_t p, uint32_t d) { return p | ~d; } },
        { "MERGEPEN", [](uint32_t p, uint32_t d) { return p | d; } },
        { "WHITE", [](uint32_t, uint32_t) { return ~0u; } },
    };
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    std::uniform_int_distribution<uint32_t> colour(0, 0x00FFFFFF);
    for (int32_t rop = 1; rop <= 16; ++rop) {
        const auto [name, formula] = formulas[rop - 1];
        PaintBox box(32, 4);
        std::vector<uint32_t> background(32);
        for (int32_t x = 0; x < 32; ++x) {
            background[x] = colour(random);
            SetPixel(box.Dc(), x, 1, background[x]);
        }
        const uint32_t pen = colour(random);
        SetROP2(box.Dc(), rop);
        {
            Selected selected(box.Dc(), CreatePen(PS_SOLID, 0, pen));
            MoveToEx(box.Dc(), 0, 1, nullptr);
            LineTo(box.Dc(), 32, 1);
        }
        for (int32_t x = 0; x < 32; ++x) {
            const uint32_t expected = formula(pen, background[x]) & 0x00FFFFFFu;
            ASSERT_EQ(box.At(x, 1), expected) << name << " x " << x << " seed " << seed;
            ASSERT_EQ(ApplyRop2(rop, background[x], pen), expected) << name;
        }
        // SetPixel goes through the same operation.
        SetPixel(box.Dc(), 0, 3, pen);
        EXPECT_EQ(box.At(0, 3), formula(pen, 0x00FFFFFFu) & 0x00FFFFFFu) << name;
    }
}

} // namespace
} // namespace gdi::test
