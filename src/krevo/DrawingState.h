// The library's drawing state: draw mode, pen, circle radius, cubic-fit interval.
#pragma once

#include "gdi/Gdi.h"

#include <cstdint>

namespace krevo {

// A pen as CreatePen makes it: style 0-6, width as an absolute value, colour 0x00BBGGRR.
struct PenState {
    int32_t style = gdi::PS_SOLID;
    int32_t width = 0;
    uint32_t color = 0;

    // Width in pixels, at least 1.
    int32_t PixelWidth() const { return width < 1 ? 1 : width; }
    bool Wide() const { return width > 1; }
    // Dashed styles dash only at one pixel.
    bool Dashed() const { return !Wide() && style >= gdi::PS_DASH && style <= gdi::PS_DASHDOTDOT; }
    bool Null() const { return style == gdi::PS_NULL; }
};

PenState MakePen(int32_t style, int32_t width, int32_t color);

struct DrawingState {
    int32_t drawMode = gdi::R2_COPYPEN;
    PenState pen;
    int32_t circleRadius = 3;
    double fitInterval = 1.0;
};

constexpr int32_t kMaxCircleRadius = 32767;
constexpr double kMinFitInterval = 1.0 / 16.0;

// The calling thread's instance. A control sees the state as process-wide: everything it draws
// runs on its own thread, where each setting stays until that thread changes it. Graphs drawn on
// other threads at the same time keep their own settings and never see these.
DrawingState& ThreadDrawingState();

// Raster operations for which painting a pixel twice equals painting it once.
bool IdempotentDrawMode(int32_t drawMode);

} // namespace krevo
