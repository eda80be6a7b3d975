// Graph type 6: natural cubic splines through the unbroken runs of points, drawn as polylines.
#pragma once

#include "krevo/LinePen.h"
#include "krevo/Series.h"

namespace krevo {

// At most this many steps per piece between two points.
constexpr int64_t kMaxStepsPerPiece = 4096;

// False when working memory could not be had (runs before it are drawn).
bool PlotCubicFit(LinePen& pen, const Series& series, double interval);

} // namespace krevo
