// Rectangle and Ellipse beyond the golden images: corner order; huge coordinates of every drawing.
#include "GdiTestSupport.h"

#include <chrono>
#include <string>
#include <utility>

namespace gdi::test {
namespace {

class ShapeTest : public GdiTest { };

using ShapeCall = BOOL (*)(HDC, int32_t, int32_t, int32_t, int32_t);

// In R2_NOT a pixel painted twice (outline over interior) would come back unchanged, so the
// comparison also catches overlapping outline and fill.
TEST_F(ShapeTest, CornerOrderDoesNotMatter)
{
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int32_t> coordinate(-5, 45);
    for (int i = 0; i < 400; ++i) {
        const int32_t l = coordinate(random), t = coordinate(random), r = coordinate(random),
                      b = coordinate(random);
        const ShapeCall shape = i % 2 == 0 ? ShapeCall { &Rectangle } : ShapeCall { &Ellipse };
        Pixmap reference;
        for (int corners = 0; corners < 4; ++corners) {
            Pixmap box(40, 40, white);
            SetROP2(box.Dc(), R2_NOT);
            Selected pen(box.Dc(), CreatePen(i % 7, i % 5, 0x0000FF00u));
            Selected brush(box.Dc(), CreateSolidBrush(0x00FF00FFu));
            const bool swapX = corners & 1;
            const bool swapY = corners & 2;
            shape(box.Dc(), swapX ? r : l, swapY ? b : t, swapX ? l : r, swapY ? t : b);
            if (corners == 0)
                reference = box;
            ASSERT_EQ(box, reference)
                << (i % 2 ? "ellipse " : "rectangle ") << l << "," << t << "," << r << "," << b
                << " style " << i % 7 << " width " << i % 5 << " seed " << seed;
        }
    }
}

// Shapes, wide lines and texts spanning the 32-bit range clip to the bitmap without walking the
// range (cosmetic lines: the random reference test); empty boxes draw nothing.
TEST_F(ShapeTest, HugeCoordinatesClipExactlyAndFast)
{
    const auto start = std::chrono::steady_clock::now();
    {
        Pixmap box(20, 20, white);
        SetBkMode(box.Dc(), OPAQUE);
        SetBkColor(box.Dc(), 0x0000FF00u);
        Selected brush(box.Dc(), CreateSolidBrush(0x00FF0000u));
        const Pixmap blank = box;
        const std::string longText(2'000'000, 'W');
        for (const auto& [x, y] : { std::pair { INT32_MIN, INT32_MIN }, { INT32_MAX, INT32_MAX },
                 { INT32_MAX - 3, 2 }, { INT32_MIN, 2 }, { 2, INT32_MIN + 4 } }) {
            EXPECT_TRUE(TextOutA(box.Dc(), x, y, "W0g", 3)) << x << "," << y;
            EXPECT_TRUE(TextOutA(box.Dc(), x, y, longText.c_str(), 2'000'000)) << x << "," << y;
        }
        EXPECT_TRUE(Rectangle(box.Dc(), 3, 1, 3, 6) && Ellipse(box.Dc(), 1, 4, 6, 4));
        EXPECT_EQ(box, blank);
        // From inside, a long text stops at the right edge after its first glyphs.
        EXPECT_TRUE(TextOutA(box.Dc(), 0, 0, longText.c_str(), 2'000'000));
        EXPECT_NE(box, blank);
    }
    for (const int32_t width : { 1, 3, 1000, INT32_MAX }) {
        for (const int32_t style : { PS_SOLID, PS_DASH, PS_INSIDEFRAME, PS_NULL }) {
            SCOPED_TRACE("width " + std::to_string(width) + " style " + std::to_string(style));
            Pixmap box(50, 40, white);
            Selected pen(box.Dc(), CreatePen(style, width, 0));
            Selected brush(box.Dc(), CreateSolidBrush(0x00FF0000u));
            EXPECT_TRUE(Rectangle(box.Dc(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
            // The interior covers the whole bitmap unless a pen that wide reaches into it.
            if (width < 1000) {
                EXPECT_EQ(box.At(25, 20), 0x00FF0000u);
            }
            if (style == PS_DASH || width > 1) // dashed or wide huge ellipses walk every row
                continue;
            EXPECT_TRUE(Ellipse(box.Dc(), -2000000000, -1000000000, 2000000000, 1000000000));
            EXPECT_TRUE(Ellipse(box.Dc(), 10, INT32_MIN, 40, INT32_MAX));
            EXPECT_EQ(box.At(25, 20), 0x00FF0000u);
        }
    }
    Pixmap box(50, 40, white);
    for (const int32_t width : { 3, 4, 100000, INT32_MAX }) {
        Selected pen(box.Dc(), CreatePen(PS_SOLID, width, 0));
        // y is about x - 2.5 near the bitmap.
        Line(box.Dc(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX - 5);
        EXPECT_EQ(box.At(20, 18), 0u) << "line width " << width;
        EXPECT_EQ(box.At(45, 5), width < 100 ? 0x00FFFFFFu : 0u) << "line width " << width;
    }
    // A huge ellipse whose outline crosses the bitmap: the outline is where the curve is.
    Selected brush(box.Dc(), CreateSolidBrush(0x00FF0000u));
    EXPECT_TRUE(Ellipse(box.Dc(), 0, -1000000000, 2000000000, 1000000000));
    EXPECT_EQ(box.At(0, 20), 0u);
    EXPECT_EQ(box.At(1, 20), 0x00FF0000u);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
}

} // namespace
} // namespace gdi::test
