// The drawable range of a pixel coordinate, and clamping into it.
#pragma once

#include <cstdint>

namespace vantrel::render {

// Figures with a point farther than this from the plot's origin are not painted at all (never
// clipped): coordinates -20000 .. 20000 inclusive reach the graphics layer.
constexpr int32_t drawableMin = -20000;
constexpr int32_t drawableMax = 20000;

struct ClampedPixel {
    int32_t value = 0;
    bool inRange = false;
};

// The value, or the bound it passed, and whether it lay within lower .. upper.
constexpr ClampedPixel ClampPixel(int32_t value, int32_t lower, int32_t upper)
{
    if (value > upper)
        return { upper, false };
    if (value >= lower)
        return { value, true };
    return { lower, false };
}

} // namespace vantrel::render
