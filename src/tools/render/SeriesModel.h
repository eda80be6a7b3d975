// A GraphData made of the columns of a delimited-text table, as vantrel-render draws it.
#pragma once

#include "RenderOptions.h"

#include <loaders/DelimitedText.h>
#include <vantrel/GraphData.h>

namespace vantrel::render_tool {

// One panel of series, X from the X column (or the interval), one series per Y column, coloured
// from the palette in order and named by the header; a second panel holds the legend, one label
// per named series in its colour, in the plot's top left corner. The bounds are the ranges asked
// for, else the finite (for a logarithmic axis, positive) data's bounds. Error 380 with the text
// "SOURCE:1:1: what" for a column that does not exist or a table without a Y column.
Ref<GraphData> BuildSeriesModel(
    loaders::DelimitedTable table, const RenderOptions& options, const std::string& source);

// Bounds and axis types from the options applied to a loaded model (only those asked for).
void ApplyRangeOptions(GraphData& data, const RenderOptions& options);

} // namespace vantrel::render_tool
