// Graph types 0-4 drawn point by point with a LinePen: lines, steps, centred steps, dots and
// impulses.
#pragma once

#include "krevo/LinePen.h"
#include "krevo/Series.h"
#include "krevo/VisibleRange.h"

namespace krevo {

void PlotLine(LinePen& pen, const Series& series, IndexRange range);
void PlotDiscreteLine(LinePen& pen, const Series& series, IndexRange range);
void PlotSymmetricLine(LinePen& pen, const Series& series, IndexRange range);
void PlotDots(const LinePen& pen, const Series& series, IndexRange range);
// The base row is the rounded yOffset, clamped to 32 bits; yOffset must be finite.
void PlotImpulses(const LinePen& pen, const Series& series, IndexRange range);

} // namespace krevo
