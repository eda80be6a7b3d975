// The column-aggregated waveform path against the plain segment path and against the GDI's
// LineTo, on seeded random series: dense and sparse, steep and flat, with breaks and with points
// far off the picture.
#include "KrevoTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

using namespace krevo_test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RandomSeries {
    std::vector<double> x; // explicit values, or the interval pair
    std::vector<double> y;
    bool interval = false;
    double xConv = 1, xOffset = 0, yConv = 1, yOffset = 0;
};

RandomSeries MakeSeries(std::mt19937& random, int32_t width, int32_t height)
{
    RandomSeries s;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int shape = std::uniform_int_distribution<int>(0, 5)(random);
    const size_t count = std::uniform_int_distribution<size_t>(0, shape == 0 ? 20 : 3000)(random);
    s.interval = unit(random) < 0.5;
    // Points per column from far below 1 to hundreds; the picture spans a random part of them.
    const double perColumn = std::pow(10.0, unit(random) * 3.5 - 1.0);
    s.xConv = (unit(random) < 0.2 ? -1.0 : 1.0) / perColumn * (0.5 + unit(random));
    s.xOffset = unit(random) * width - (s.xConv < 0 ? -width : 0.0) * 0.5;
    s.yConv = (unit(random) < 0.3 ? -1.0 : 1.0) * height * (0.2 + unit(random) * 2.0);
    s.yOffset = height * (unit(random) * 1.4 - 0.2);
    // Shape 5 puts many points exactly on half pixels (X in halves, a power-of-two slope, a
    // half-pixel offset), where ties to even decide the column a point belongs to.
    const bool halfPixels = shape == 5;
    const auto quantised = [&](double v) { return halfPixels ? std::round(v * 2.0) / 2.0 : v; };
    if (halfPixels) {
        s.xConv
            = std::ldexp(s.xConv < 0 ? -1.0 : 1.0, std::uniform_int_distribution(-1, 1)(random));
        s.xOffset = std::floor(s.xOffset) + 0.5;
    }
    if (s.interval) {
        s.x = { quantised(unit(random) * 10.0 - 5.0), unit(random) < 0.1 ? -1.0 : 1.0 };
        if (halfPixels)
            s.x[1] *= 0.5;
    } else {
        double value = unit(random) * 10.0 - 5.0;
        for (size_t k = 0; k < count; ++k) {
            s.x.push_back(quantised(value));
            // Mostly increasing, sometimes back and forth.
            value += (unit(random) < 0.1 ? -3.0 : 1.0) * unit(random) * 2.0;
        }
    }
    double level = unit(random) - 0.5;
    const double noise = std::pow(10.0, unit(random) * 3.0 - 3.0);
    for (size_t k = 0; k < count; ++k) {
        level += (unit(random) - 0.5) * noise;
        double value = level + std::sin(static_cast<double>(k) * 0.01) * 0.3;
        const double special = unit(random);
        if (special < 0.004)
            value = kNaN;
        else if (special < 0.006)
            value = unit(random) < 0.5 ? kInf : -kInf;
        else if (special < 0.008)
            value = (unit(random) < 0.5 ? 1.0 : -1.0) * 1e12; // beyond 32-bit pixels
        else if (special < 0.012)
            value *= 40.0; // far off the picture
        s.y.push_back(value);
        if (!s.interval && special > 0.998)
            s.x[k] = kNaN;
    }
    return s;
}

int32_t Draw(const gdi::Pixmap& bitmap, const RandomSeries& s)
{
    return DrawGraph2(Handle(bitmap), 0, s.x.data(), s.xConv, s.xOffset, s.y.data(), s.yConv,
        s.yOffset, static_cast<int32_t>(s.y.size()), s.interval ? 1 : 0);
}

std::vector<std::optional<gdi::POINT>> ReferencePoints(const RandomSeries& s)
{
    std::vector<std::optional<gdi::POINT>> points;
    for (size_t k = 0; k < s.y.size(); ++k) {
        const double value = s.interval ? s.x[0] + static_cast<double>(k) * s.x[1] : s.x[k];
        const double px = std::nearbyint(value * s.xConv + s.xOffset);
        const double py = std::nearbyint(s.y[k] * s.yConv + s.yOffset);
        if (px >= -2147483648.0 && px <= 2147483647.0 && py >= -2147483648.0 && py <= 2147483647.0)
            points.push_back(gdi::POINT { static_cast<int32_t>(px), static_cast<int32_t>(py) });
        else
            points.push_back(std::nullopt);
    }
    return points;
}

// Copy pen in white takes the aggregated path. NOTMASKPEN with a black pen paints white too
// (~(0 & D)), but it is not an idempotent mode, so it takes the plain segment path.
TEST(Aggregation, EqualsPlainPathAndLineToOnRandomSeries)
{
    constexpr int32_t width = 97;
    constexpr int32_t height = 61;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const RandomSeries s = MakeSeries(random, width, height);
        const gdi::Pixmap aggregated = Bitmap(width, height);
        const gdi::Pixmap plain = Bitmap(width, height);
        const gdi::Pixmap reference = Bitmap(width, height);
        if (seed % 4 == 0) {
            const gdi::RECT clip { 10, 7, 80, 50 };
            SetClip(aggregated, clip);
            SetClip(plain, clip);
            SetClip(reference, clip);
        }
        SetPenProperties(gdi::PS_SOLID, 1, 0x00FFFFFF);
        SetDrawMode(gdi::R2_COPYPEN);
        ASSERT_EQ(Draw(aggregated, s), KrevoDone);
        SetPenProperties(gdi::PS_SOLID, 0, 0);
        SetDrawMode(gdi::R2_NOTMASKPEN);
        ASSERT_EQ(Draw(plain, s), KrevoDone);
        ReferencePolyline(
            reference, ReferencePoints(s), gdi::PS_SOLID, 1, 0x00FFFFFF, gdi::R2_COPYPEN);
        ASSERT_EQ(Difference(aggregated, plain), "") << s.y.size() << " points";
        ASSERT_EQ(Difference(aggregated, reference), "") << s.y.size() << " points";
    }
}

// 10^6 points of which 300 fall on the picture, against the points near it as explicit X values.
TEST(Aggregation, ZoomedIntervalSeriesDrawsOnlyItsVisiblePart)
{
    const double pair[2] = { 0.0, 1.0 };
    const double xOffset = -500000.0;
    std::vector<double> y(1000000), nearX, nearY;
    for (size_t k = 0; k < y.size(); ++k) {
        y[k] = std::sin(static_cast<double>(k) * 0.05);
        if (k >= 499990 && k < 500310) {
            nearX.push_back(static_cast<double>(k) + xOffset);
            nearY.push_back(y[k] * 40.0 + 50.0);
        }
    }
    SetPenProperties(gdi::PS_SOLID, 1, 0x00FFFFFF);
    SetDrawMode(gdi::R2_COPYPEN);
    const gdi::Pixmap actual = Bitmap(300, 100);
    const gdi::Pixmap expected = Bitmap(300, 100);
    ASSERT_EQ(DrawGraph2(Handle(actual), 0, pair, 1.0, xOffset, y.data(), 40.0, 50.0, 1000000, 1),
        KrevoDone);
    ASSERT_EQ(DrawPixels(expected, 0, nearX, nearY), KrevoDone);
    EXPECT_EQ(Difference(actual, expected), "");
    EXPECT_GT(CountNot(actual, 0), 300);
}

} // namespace
