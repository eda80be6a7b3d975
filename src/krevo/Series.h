// A data series as DrawGraph2 receives it, and the mapping of its points to pixels.
#pragma once

#include <cmath>
#include <cstdint>

namespace krevo {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// Rounded positions from -2^31 to 2^31 - 1 are drawable; ties go to even, so both bounds are
// half a pixel out. NaN fails both comparisons.
inline bool DrawablePixel(double position)
{
    return position >= -2147483648.5 && position < 2147483647.5;
}

// Nearest integer, ties to even (the default floating-point rounding mode), as a double.
inline double RoundPixel(double position) { return std::nearbyint(position); }

// Only for a position that DrawablePixel accepted.
inline int32_t PixelOf(double position) { return static_cast<int32_t>(RoundPixel(position)); }

struct Series {
    const double* x = nullptr;
    const double* y = nullptr;
    int64_t count = 0;
    bool interval = false;
    double xStart = 0; // interval series: x[0] and x[1]
    double xStep = 0;
    double xConv = 0;
    double xOffset = 0;
    double yConv = 0;
    double yOffset = 0;

    double XValue(int64_t k) const
    {
        return interval ? xStart + static_cast<double>(k) * xStep : x[k];
    }
    double PixelX(int64_t k) const { return XValue(k) * xConv + xOffset; }
    double PixelY(int64_t k) const { return y[k] * yConv + yOffset; }
    double PixelYOf(double value) const { return value * yConv + yOffset; }

    // False for a break.
    bool PixelAt(int64_t k, Point* point) const
    {
        const double px = PixelX(k);
        const double py = PixelY(k);
        if (!DrawablePixel(px) || !DrawablePixel(py))
            return false;
        *point = Point { PixelOf(px), PixelOf(py) };
        return true;
    }
};

} // namespace krevo
