// What the graph types draw beyond the series tests' golden images (which show every type) and the
// randomized comparisons with LineTo: dash continuation, clipped XOR circles, the cubic fit.
#include "KrevoTestSupport.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <utility>

using namespace krevo_test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
void UseThinPen(int32_t style = gdi::PS_SOLID)
{
    SetDrawMode(gdi::R2_COPYPEN);
    SetPenProperties(style, 1, 0x00FFFFFF);
}

TEST(GraphTypes, DashPatternRunsOnAlongThePolyline)
{
    UseThinPen(gdi::PS_DASH);
    const gdi::Pixmap bitmap = Bitmap(50, 10);
    // 18 on, 6 off from x = 0; a restart at the vertex x = 10 would paint 18 .. 23.
    ASSERT_EQ(DrawPixels(bitmap, 0, { 0, 10, 40 }, { 5, 5, 5 }), KrevoDone);
    for (int32_t x = 0; x < 40; ++x)
        EXPECT_EQ(bitmap.At(x, 5) != 0, x % 24 < 18) << "x " << x;
    // A break restarts it.
    const gdi::Pixmap broken = Bitmap(50, 10);
    ASSERT_EQ(DrawPixels(broken, 0, { 0, 10, 0, 20, 40 }, { 5, 5, kNaN, 5, 5 }), KrevoDone);
    EXPECT_NE(broken.At(20, 5), 0u);
}

TEST(Circles, XorTwiceRestoresThePictureAlsoWhenClipped)
{
    SetDrawMode(gdi::R2_XORPEN);
    SetCirclePixelRadius(4);
    for (const int32_t width : { 1, 3 }) {
        SetPenProperties(gdi::PS_SOLID, width, 0x00FF00FF);
        const gdi::Pixmap bitmap = Bitmap(16, 16, 0x00101010);
        const std::vector<double> x = { 1, 8, 15, 30 };
        const std::vector<double> y = { 1, 8, 14, -2 };
        ASSERT_EQ(DrawPixels(bitmap, 5, x, y), KrevoDone);
        EXPECT_GT(CountNot(bitmap, 0x00101010), 20);
        ASSERT_EQ(DrawPixels(bitmap, 5, x, y), KrevoDone);
        EXPECT_EQ(CountNot(bitmap, 0x00101010), 0) << "width " << width;
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
        const gdi::Pixmap fitted = Bitmap(40, 10);
        const gdi::Pixmap straight = Bitmap(40, 10);
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
        const gdi::Pixmap bitmap = Bitmap(60, 30);
        ASSERT_EQ(DrawPixels(bitmap, 6, x, y), KrevoDone);
        for (size_t k = 0; k + 1 < x.size(); ++k)
            EXPECT_NE(bitmap.At(static_cast<int32_t>(x[k]), static_cast<int32_t>(y[k])), 0u);
        // Natural ends bulge a little beyond the points, never far.
        for (int32_t px = 0; px < 60; ++px)
            EXPECT_EQ(bitmap.At(px, 28) | bitmap.At(px, 29), 0u) << px;
        EXPECT_GE(CountNot(bitmap, 0), 45); // at least one pixel per column crossed
    }
}

// Fault: every piece of the fit was sampled, visible or not (200,000 points off the picture took
// minutes). Pieces that cannot reach the clip rectangle are left out: the pixels inside it are
// those of the fit drawn without the clip, for both parametrisations and thin and wide pens.
TEST(CubicFit, FaultPiecesOffThePictureAreSkippedWithTheSamePixels)
{
    const uint32_t seed = std::random_device {}();
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> far(-600.0, 1600.0);
    std::uniform_real_distribution<double> near(420.0, 580.0);
    // The points near the window lie within its rows, so that the fit always crosses it.
    std::uniform_real_distribution<double> rows(465.0, 535.0);
    SetCubicFitPixelInterval(1.0);
    const gdi::RECT window { 450, 460, 560, 540 };
    for (int32_t round = 0; round < 6; ++round) {
        const bool increasing = round % 2 == 0;
        SetDrawMode(gdi::R2_COPYPEN);
        SetPenProperties(gdi::PS_SOLID, round < 4 ? 1 : 7, 0x00FFFFFF);
        std::vector<double> x;
        std::vector<double> y;
        for (int32_t k = 0; k < 60; ++k) {
            const bool inside = k % 7 == 3;
            x.push_back(increasing ? 17.0 * k + (inside ? 0.0 : 0.5)
                                   : (inside ? near(random) : far(random)));
            y.push_back(inside ? rows(random) : far(random));
        }
        const gdi::Pixmap whole = Bitmap(1000, 1000);
        const gdi::Pixmap clipped = Bitmap(1000, 1000);
        SetClip(clipped, window);
        ASSERT_EQ(DrawPixels(whole, 6, x, y), KrevoDone);
        ASSERT_EQ(DrawPixels(clipped, 6, x, y), KrevoDone);
        int64_t differing = 0;
        int64_t painted = 0;
        for (int32_t py = window.top; py < window.bottom; ++py)
            for (int32_t px = window.left; px < window.right; ++px) {
                differing += whole.At(px, py) != clipped.At(px, py);
                painted += clipped.At(px, py) != 0;
            }
        EXPECT_EQ(differing, 0) << "seed " << seed << ", round " << round;
        EXPECT_GT(painted, 0) << "seed " << seed << ", round " << round;
    }
}

// The same fault's cost: 200,000 points far off a small picture take a small multiple of the
// time of a plain line through them.
TEST(CubicFit, FaultCostFollowsWhatIsVisible)
{
    SetDrawMode(gdi::R2_COPYPEN);
    SetPenProperties(gdi::PS_SOLID, 1, 0x00FFFFFF);
    SetCubicFitPixelInterval(1.0);
    std::vector<double> x;
    std::vector<double> y;
    for (int32_t k = 0; k < 200000; ++k) {
        x.push_back(20.0 * k);
        y.push_back(k % 2 ? 5000.0 : -4000.0);
    }
    const gdi::Pixmap bitmap = Bitmap(100, 100);
    const auto secondsFor = [&](int32_t type) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(DrawPixels(bitmap, type, x, y), KrevoDone);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const double line = std::max(secondsFor(0), 5e-3);
    const double fit = secondsFor(6);
    EXPECT_LT(fit / line, 40.0) << "line " << line << " s, fit " << fit << " s";
}

} // namespace
