// What the graph types draw beyond the golden images of the series tests: breaks, dash
// continuation, clipped XOR circles and the cubic fit's parametrisations.
#include "KrevoTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <utility>

using namespace krevo_test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
using PixelSet = std::set<std::pair<int32_t, int32_t>>;

PixelSet Painted(const TestBitmap& bitmap)
{
    PixelSet set;
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        for (int32_t x = 0; x < bitmap.Width(); ++x)
            if (bitmap.At(x, y) != 0)
                set.insert({ x, y });
    return set;
}

void UseThinPen(int32_t style = gdi::PS_SOLID)
{
    SetDrawMode(gdi::R2_COPYPEN);
    SetPenProperties(style, 1, 0x00FFFFFF);
}

struct GeometryCase {
    const char* label;
    int32_t type;
    std::vector<double> x;
    std::vector<double> y;
    double yOffset;
    PixelSet expected;
};

// Breaks of the line itself are left to the randomized comparison with LineTo.
TEST(GraphTypes, DotsAndImpulsesPaintExactlyTheirPixels)
{
    const std::vector<GeometryCase> cases = {
        { "dots at the points only", 3, { 1, 3, 9 }, { 1, 4, kNaN }, 0, { { 1, 1 }, { 3, 4 } } },
        { "impulses from the zero row", 4, { 2, 5, 7 }, { -3, 2, 0 }, 8,
            { { 2, 8 }, { 2, 7 }, { 2, 6 }, { 5, 8 }, { 5, 9 } } },
    };
    UseThinPen();
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(c.label);
        TestBitmap bitmap(12, 12);
        ASSERT_EQ(DrawGraph2(bitmap.Handle(), c.type, c.x.data(), 1.0, 0.0, c.y.data(), 1.0,
                      c.yOffset, static_cast<int32_t>(c.y.size()), 0),
            KrevoDone);
        EXPECT_EQ(Painted(bitmap), c.expected);
    }
}

TEST(GraphTypes, DashPatternRunsOnAlongThePolyline)
{
    UseThinPen(gdi::PS_DASH);
    TestBitmap bitmap(50, 10);
    // 18 on, 6 off from x = 0; a restart at the vertex x = 10 would paint 18 .. 23.
    ASSERT_EQ(DrawPixels(bitmap, 0, { 0, 10, 40 }, { 5, 5, 5 }), KrevoDone);
    for (int32_t x = 0; x < 40; ++x)
        EXPECT_EQ(bitmap.At(x, 5) != 0, x % 24 < 18) << "x " << x;
    // A break restarts it.
    TestBitmap broken(50, 10);
    ASSERT_EQ(DrawPixels(broken, 0, { 0, 10, 0, 20, 40 }, { 5, 5, kNaN, 5, 5 }), KrevoDone);
    EXPECT_NE(broken.At(20, 5), 0u);
}

TEST(Circles, XorTwiceRestoresThePictureAlsoWhenClipped)
{
    SetDrawMode(gdi::R2_XORPEN);
    SetCirclePixelRadius(4);
    for (const int32_t width : { 1, 3 }) {
        SetPenProperties(gdi::PS_SOLID, width, 0x00FF00FF);
        TestBitmap bitmap(16, 16, 0x00101010);
        const std::vector<double> x = { 1, 8, 15, 30 };
        const std::vector<double> y = { 1, 8, 14, -2 };
        ASSERT_EQ(DrawPixels(bitmap, 5, x, y), KrevoDone);
        EXPECT_GT(bitmap.CountNot(0x00101010), 20);
        ASSERT_EQ(DrawPixels(bitmap, 5, x, y), KrevoDone);
        EXPECT_EQ(bitmap.CountNot(0x00101010), 0) << "width " << width;
    }
}

TEST(CubicFit, CollinearPiecesGiveThePolyline)
{
    UseThinPen();
    ASSERT_EQ(SetCubicFitPixelInterval(2.0), 2.0);
    const std::vector<std::pair<std::vector<double>, std::vector<double>>> cases = {
        { { 0, 10, 30 }, { 5, 5, 5 } },
        { { 0, 10, 20, 30, 39 }, { 2, 2, kNaN, 7, 7 } },
    };
    for (const auto& [x, y] : cases) {
        TestBitmap fitted(40, 10);
        TestBitmap straight(40, 10);
        ASSERT_EQ(DrawPixels(fitted, 6, x, y), KrevoDone);
        ASSERT_EQ(DrawPixels(straight, 0, x, y), KrevoDone);
        EXPECT_EQ(Difference(fitted, straight), "") << x.size() << " points";
    }
}

TEST(CubicFit, CurvePassesThroughThePointsInBothParametrisations)
{
    UseThinPen();
    SetCubicFitPixelInterval(1.0);
    const std::vector<std::pair<const char*, std::vector<double>>> xs = {
        { "increasing x", { 5, 20, 35, 50 } },
        { "x going back", { 5, 40, 10, 50 } },
    };
    const std::vector<double> y = { 20, 5, 20, 5 };
    for (const auto& [label, x] : xs) {
        SCOPED_TRACE(label);
        TestBitmap bitmap(60, 30);
        ASSERT_EQ(DrawPixels(bitmap, 6, x, y), KrevoDone);
        for (size_t k = 0; k + 1 < x.size(); ++k)
            EXPECT_NE(bitmap.At(static_cast<int32_t>(x[k]), static_cast<int32_t>(y[k])), 0u);
        // Natural ends bulge a little beyond the points, never far.
        for (const auto& [px, py] : Painted(bitmap))
            EXPECT_TRUE(py >= 0 && py <= 27) << px << ", " << py;
        EXPECT_GE(bitmap.CountNot(0), 45); // at least one pixel per column crossed
    }
}

} // namespace
