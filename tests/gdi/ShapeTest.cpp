// Rectangle and Ellipse: covered pixels, corner order, pens and brushes, huge boxes.
#include "GdiTestSupport.h"

#include <chrono>

namespace gdi::test {
namespace {

class ShapeTest : public GdiTest { };

using ShapeCall = BOOL (*)(HDC, int32_t, int32_t, int32_t, int32_t);

// Characters of a small picture: '#' pen, 'o' brush, '.' untouched.
std::string Picture(const PaintBox& box)
{
    std::string text;
    for (int32_t y = 0; y < box.Height(); ++y) {
        for (int32_t x = 0; x < box.Width(); ++x) {
            const uint32_t pixel = box.At(x, y);
            text += pixel == 0 ? '#' : (pixel == 0x00FFFFFFu ? '.' : 'o');
        }
        text += '\n';
    }
    return text;
}

TEST_F(ShapeTest, RectanglePixelsFollowThePenAndBrush)
{
    struct Row {
        const char* label;
        int32_t penStyle;
        int32_t penWidth;
        bool brush;
        const char* expected;
    };
    const Row rows[] = {
        { "1-pixel pen, solid brush", PS_SOLID, 1, true,
            "......\n"
            ".####.\n"
            ".#oo#.\n"
            ".#oo#.\n"
            ".####.\n"
            "......\n" },
        { "hollow brush", PS_SOLID, 0, false,
            "......\n"
            ".####.\n"
            ".#..#.\n"
            ".#..#.\n"
            ".####.\n"
            "......\n" },
        { "null pen: fill one pixel smaller", PS_NULL, 1, true,
            "......\n"
            ".ooo..\n"
            ".ooo..\n"
            ".ooo..\n"
            "......\n"
            "......\n" },
        { "width 3 covers the box grown by one", PS_SOLID, 3, true,
            "######\n"
            "######\n"
            "######\n"
            "######\n"
            "######\n"
            "######\n" },
        { "inside frame width 2 stays inside", PS_INSIDEFRAME, 2, true,
            "......\n"
            ".####.\n"
            ".####.\n"
            ".####.\n"
            ".####.\n"
            "......\n" },
    };
    for (const Row& row : rows) {
        PaintBox box(6, 6);
        Selected pen(box.Dc(), CreatePen(row.penStyle, row.penWidth, 0));
        Selected brush(
            box.Dc(), row.brush ? CreateSolidBrush(0x00FF0000u) : GetStockObject(NULL_BRUSH));
        ASSERT_TRUE(Rectangle(box.Dc(), 1, 1, 5, 5));
        EXPECT_EQ(Picture(box), row.expected) << row.label;
    }
}

TEST_F(ShapeTest, EllipseStaysInsideItsBoxAndIsSymmetric)
{
    PaintBox box(24, 16);
    Selected brush(box.Dc(), CreateSolidBrush(0x00FF0000u));
    ASSERT_TRUE(Ellipse(box.Dc(), 2, 3, 21, 14));
    const std::string picture = Picture(box);
    EXPECT_EQ(picture,
        "........................\n"
        "........................\n"
        "........................\n"
        "........#######.........\n"
        ".....###ooooooo###......\n"
        "....#ooooooooooooo#.....\n"
        "...#ooooooooooooooo#....\n"
        "..#ooooooooooooooooo#...\n"
        "..#ooooooooooooooooo#...\n"
        "..#ooooooooooooooooo#...\n"
        "...#ooooooooooooooo#....\n"
        "....#ooooooooooooo#.....\n"
        ".....###ooooooo###......\n"
        "........#######.........\n"
        "........................\n"
        "........................\n");
}

TEST_F(ShapeTest, CornerOrderDoesNotMatter)
{
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int32_t> coordinate(-5, 45);
    for (int i = 0; i < 400; ++i) {
        const int32_t l = coordinate(random), t = coordinate(random), r = coordinate(random),
                      b = coordinate(random);
        const int32_t style = i % 7;
        const int32_t width = i % 5;
        const ShapeCall shape = i % 2 == 0 ? ShapeCall { &Rectangle } : ShapeCall { &Ellipse };
        Image reference;
        for (int corners = 0; corners < 4; ++corners) {
            PaintBox box(40, 40);
            SetROP2(box.Dc(), R2_NOT); // a pixel painted twice would come back white
            Selected pen(box.Dc(), CreatePen(style, width, 0x0000FF00u));
            Selected brush(box.Dc(), CreateSolidBrush(0x00FF00FFu));
            const bool swapX = corners & 1;
            const bool swapY = corners & 2;
            shape(box.Dc(), swapX ? r : l, swapY ? b : t, swapX ? l : r, swapY ? t : b);
            if (corners == 0) {
                reference = box.Snapshot();
                continue;
            }
            ASSERT_EQ(box.Snapshot(), reference)
                << (i % 2 ? "ellipse " : "rectangle ") << l << "," << t << "," << r << "," << b
                << " style " << style << " width " << width << " seed " << seed;
        }
    }
}

TEST_F(ShapeTest, InvertingTwiceRestoresEveryShape)
{
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int32_t> coordinate(-10, 90);
    std::uniform_int_distribution<uint32_t> colour(0, 0x00FFFFFF);
    PaintBox box(80, 60);
    for (int i = 0; i < 100; ++i)
        SetPixel(box.Dc(), coordinate(random), coordinate(random), colour(random));
    const Image before = box.Snapshot();
    SetROP2(box.Dc(), R2_NOT);
    for (int pass = 0; pass < 2; ++pass) {
        std::mt19937 shapes(seed);
        for (int i = 0; i < 200; ++i) {
            Selected pen(box.Dc(), CreatePen(i % 7, i % 6, 0));
            Selected brush(
                box.Dc(), i % 3 == 0 ? GetStockObject(NULL_BRUSH) : CreateSolidBrush(0x123456));
            const ShapeCall shape = i % 2 == 0 ? ShapeCall { &Rectangle } : ShapeCall { &Ellipse };
            shape(box.Dc(), coordinate(shapes), coordinate(shapes), coordinate(shapes),
                coordinate(shapes));
        }
    }
    EXPECT_EQ(box.Snapshot(), before) << "seed " << seed;
}

TEST_F(ShapeTest, EmptyBoxesDrawNothing)
{
    PaintBox box(8, 8);
    Selected brush(box.Dc(), CreateSolidBrush(0x00FF0000u));
    EXPECT_TRUE(Rectangle(box.Dc(), 3, 1, 3, 6));
    EXPECT_TRUE(Ellipse(box.Dc(), 1, 4, 6, 4));
    std::string blank;
    for (int i = 0; i < 8; ++i)
        blank += "........\n";
    EXPECT_EQ(Picture(box), blank);
}

TEST_F(ShapeTest, HugeBoxesClipExactlyAndFast)
{
    const auto start = std::chrono::steady_clock::now();
    for (const int32_t width : { 1, 3, 1000, INT32_MAX }) {
        for (const int32_t style : { PS_SOLID, PS_DASH, PS_INSIDEFRAME, PS_NULL }) {
            PaintBox box(50, 40);
            Selected pen(box.Dc(), CreatePen(style, width, 0));
            Selected brush(box.Dc(), CreateSolidBrush(0x00FF0000u));
            EXPECT_TRUE(Rectangle(box.Dc(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
            // The interior covers the whole visible area unless a pen that wide reaches into it.
            if (width < 1000) {
                EXPECT_EQ(box.At(25, 20), 0x00FF0000u)
                    << "rectangle width " << width << " style " << style;
            }
            if (style == PS_DASH || width > 1) // dashed huge ellipses walk every row
                continue;
            EXPECT_TRUE(Ellipse(box.Dc(), -2000000000, -1000000000, 2000000000, 1000000000));
            EXPECT_TRUE(Ellipse(box.Dc(), 10, INT32_MIN, 40, INT32_MAX));
            EXPECT_EQ(box.At(25, 20), 0x00FF0000u) << "ellipse width " << width;
        }
    }
    // A huge ellipse whose outline crosses the picture: the outline is where the curve is.
    PaintBox box(50, 40);
    Selected brush(box.Dc(), CreateSolidBrush(0x00FF0000u));
    EXPECT_TRUE(Ellipse(box.Dc(), 0, -1000000000, 2000000000, 1000000000));
    EXPECT_EQ(box.At(0, 20), 0u);
    EXPECT_EQ(box.At(1, 20), 0x00FF0000u);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 2000);
}

} // namespace
} // namespace gdi::test
