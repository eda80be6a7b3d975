// The waveform path of graph type 0: one-pixel solid pens in idempotent draw modes, all points
// of a pixel column collapsed to the column's first, last, lowest and highest rows.
#pragma once

#include "krevo/Series.h"
#include "krevo/Target.h"
#include "krevo/VisibleRange.h"

namespace krevo {

// Paints exactly the pixels that drawing points [range.begin, range.end) segment by segment
// would paint (see ColumnPlot.cpp for why), reading each value once.
void PlotLineByColumns(const Target& target, const Series& series, IndexRange range);

} // namespace krevo
