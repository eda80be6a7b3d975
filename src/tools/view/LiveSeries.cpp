// Appending a followed file's new rows to the retained series.
#include "LiveSeries.h"

#include <cmath>
#include <vantrel/Error.h>

namespace vantrel::view {

void LiveSeries::Extent::Add(double v)
{
    if (!std::isfinite(v))
        return;
    min = std::min(min, v);
    max = std::max(max, v);
    if (v > 0)
        positiveMin = std::min(positiveMin, v);
}

std::pair<double, double> LiveSeries::Extent::Range(bool logarithmic) const
{
    const double low = logarithmic ? positiveMin : min;
    if (!(low <= max) || (logarithmic && max <= 0))
        return logarithmic ? std::pair { 1.0, 10.0 } : std::pair { 0.0, 1.0 };
    if (low < max)
        return { low, max };
    return logarithmic ? std::pair { low / 10, max * 10 } : std::pair { low - 1, max + 1 };
}

LiveSeries::LiveSeries(Ref<GraphData> data, SeriesLayout layout, int32_t window)
    : data_(std::move(data))
    , layout_(std::move(layout))
{
    // The model's bounds hold the loaded data's extent already.
    const BoundsRecord b = data_->Bounds()->GetRecord();
    x_.Add(b.XMin);
    x_.Add(b.XMax);
    y_.Add(b.YMin);
    y_.Add(b.YMax);
    for (const Ref<XYItem_Data>& item : layout_.series)
        if (window > 0)
            item->MaxLength(window);
}

void LiveSeries::Append(
    const loaders::DelimitedTable& rows, const std::string& source, uint64_t firstLine)
{
    const int32_t count = static_cast<int32_t>(rows.Rows());
    if (count == 0)
        return;
    if (rows.HasHeader || rows.Columns.size() != layout_.columns)
        throw Error(errInvalidPropertyValue,
            source + ":" + std::to_string(firstLine) + ":1: expected "
                + std::to_string(layout_.columns) + " numeric fields per row, as the file began");
    const DoubleArray x
        = layout_.interval ? DoubleArray() : DoubleArray(rows.Columns[layout_.xColumn]);
    for (std::size_t i = 0; i < layout_.series.size(); ++i) {
        const std::vector<double>& column = rows.Columns[layout_.yColumns[i]];
        XYItem_Data& item = *layout_.series[i];
        if (layout_.interval)
            item.AppendY(DoubleArray(column), count);
        else
            item.AppendXY(x, DoubleArray(column), count);
        for (double v : column)
            y_.Add(v);
    }
    if (!layout_.interval)
        for (double v : rows.Columns[layout_.xColumn])
            x_.Add(v);
    else if (!layout_.series.empty()) {
        const XYItem_Data& first = *layout_.series.front();
        x_.Add(first.XStart() + first.XInterval() * (first.Length() - 1));
    }
}

BoundsRecord LiveSeries::Bounds(bool logX, bool logY) const
{
    auto [xMin, xMax] = x_.Range(logX);
    const auto [yMin, yMax] = y_.Range(logY);
    // With a window the oldest kept point is the left edge.
    if (!layout_.series.empty() && layout_.series.front()->MaxLength() > 0
        && layout_.series.front()->Length() > 0) {
        const XYItem_Data& first = *layout_.series.front();
        const double left = first.XStart();
        if (std::isfinite(left) && left < xMax && (!logX || left > 0))
            xMin = left;
    }
    return { xMin, xMax, yMin, yMax };
}

} // namespace vantrel::view
