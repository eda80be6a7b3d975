// Graph type 5: circle outlines around the points.
#pragma once

#include "krevo/DrawingState.h"
#include "krevo/Series.h"
#include "krevo/Target.h"
#include "krevo/VisibleRange.h"

namespace krevo {

// False when working memory could not be had.
bool PlotCircles(const Target& target, const PenState& pen, const Series& series, IndexRange range,
    int32_t radius);

} // namespace krevo
