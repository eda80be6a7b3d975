// The snapping read-out: a search over the retained series in plot pixels.
#include "SnapReadout.h"

#include <vantrel/ValueText.h>
#include <vantrel/vantrel.h>

namespace vantrel::qt {

namespace {

std::string Trimmed(std::string text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string ValueText(double value, const AxisFormat& format)
{
    return Trimmed(
        FormatValue(value, format.ValueFormat(), format.ValuePrecision()) + format.Units());
}

} // namespace

std::optional<std::string> SnapText(
    SeriesSnapper& snapper, const OrvGraph& graph, int32_t x, int32_t y)
{
    const Ref<GraphData> data = graph.CurrentData();
    if (!data || !data->XAxis() || !data->YAxis())
        return std::nullopt;
    const Ref<AxisFormat> fx = data->XAxis()->Format();
    const Ref<AxisFormat> fy = data->YAxis()->Format();
    if (!fx || !fy)
        return std::nullopt;
    const std::optional<SnappedPoint> point = snapper.Nearest(graph, x, y, snapRadius);
    if (!point)
        return std::nullopt;
    return point->name + ": " + ValueText(point->x, *fx) + ", " + ValueText(point->y, *fy);
}

} // namespace vantrel::qt
