// Columns to series: column selection, palette, legend labels and the data's bounds.
#include "SeriesModel.h"

#include "Palette.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vantrel/Error.h>

namespace vantrel::render_tool {

namespace {

[[noreturn]] void Refuse(const std::string& source, const std::string& what)
{
    throw Error(errInvalidPropertyValue, source + ":1:1: " + what);
}

// A column by 1-based number or by header name, as an index from 0.
std::size_t FindColumn(
    const loaders::DelimitedTable& table, const std::string& column, const std::string& source)
{
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(column.data(), column.data() + column.size(), number);
    if (error == std::errc() && end == column.data() + column.size()) {
        if (number < 1 || number > table.Columns.size())
            Refuse(source,
                "there is no column " + column + "; the file has "
                    + std::to_string(table.Columns.size()));
        return number - 1;
    }
    const auto found = std::find(table.Names.begin(), table.Names.end(), column);
    if (found == table.Names.end() || column.empty())
        Refuse(source, "there is no column named '" + column + "'");
    return static_cast<std::size_t>(found - table.Names.begin());
}

constexpr double kLargest = std::numeric_limits<double>::max();

// Finite values, and positive ones for a logarithmic axis.
struct Extent {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();

    void Add(const std::vector<double>& values, bool positiveOnly)
    {
        // One range test covers both conditions, and NaN fails it. Four lanes keep the loop free
        // of a single chain of dependent comparisons.
        const double low = positiveOnly ? std::numeric_limits<double>::denorm_min() : -kLargest;
        double lows[4] = { min, min, min, min };
        double highs[4] = { max, max, max, max };
        const std::size_t count = values.size();
        const double* v = values.data();
        std::size_t i = 0;
        for (; i + 4 <= count; i += 4) {
            for (std::size_t lane = 0; lane < 4; ++lane) {
                const double value = v[i + lane];
                const bool counted = value >= low && value <= kLargest;
                lows[lane] = counted && value < lows[lane] ? value : lows[lane];
                highs[lane] = counted && value > highs[lane] ? value : highs[lane];
            }
        }
        for (; i < count; ++i) {
            const bool counted = v[i] >= low && v[i] <= kLargest;
            lows[0] = counted && v[i] < lows[0] ? v[i] : lows[0];
            highs[0] = counted && v[i] > highs[0] ? v[i] : highs[0];
        }
        // In order, a zero bound is the first zero met (a later one of the other sign does not
        // replace it); the lanes cannot tell which that was.
        const auto firstZero = [&] { return *std::find(values.begin(), values.end(), 0.0); };
        const double newMin = std::min({ lows[0], lows[1], lows[2], lows[3] });
        const double newMax = std::max({ highs[0], highs[1], highs[2], highs[3] });
        min = newMin == 0 && min != 0 ? firstZero() : newMin;
        max = newMax == 0 && max != 0 ? firstZero() : newMax;
    }

    Range Bounds(bool logarithmic) const
    {
        if (!(min <= max))
            return logarithmic ? Range { 1.0, 10.0 } : Range { 0.0, 1.0 };
        if (min < max)
            return Range { min, max };
        return logarithmic ? Range { min / 10, max * 10 } : Range { min - 1, max + 1 };
    }
};

// A fraction of the displayed range, as an axis value.
double At(const Range& range, double fraction, bool logarithmic)
{
    if (logarithmic)
        return range.min * std::pow(range.max / range.min, fraction);
    return range.min + (range.max - range.min) * fraction;
}

} // namespace

Ref<GraphData> BuildSeriesModel(
    loaders::DelimitedTable table, const RenderOptions& options, const std::string& source)
{
    const bool interval = options.interval.has_value();
    std::size_t xColumn = 0;
    if (!interval && !options.xColumn.empty())
        xColumn = FindColumn(table, options.xColumn, source);
    std::vector<std::size_t> yColumns;
    for (const std::string& column : options.columns)
        yColumns.push_back(FindColumn(table, column, source));
    if (options.columns.empty())
        for (std::size_t c = 0; c < table.Columns.size(); ++c)
            if (interval || c != xColumn)
                yColumns.push_back(c);
    if (yColumns.empty())
        Refuse(source,
            "no Y column: the file has one column; use --interval to draw it against evenly spaced "
            "X");
    const std::size_t rows = table.Rows();
    if (rows > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()))
        Refuse(source, "more rows than a series can hold (2147483647)");
    const auto length = static_cast<int32_t>(rows);

    Extent xExtent;
    Extent yExtent;
    if (interval) {
        const double last
            = options.interval->min + options.interval->max * (rows > 0 ? rows - 1.0 : 0.0);
        xExtent.Add({ options.interval->min, last }, options.logX);
    } else {
        xExtent.Add(table.Columns[xColumn], options.logX);
    }
    for (std::size_t c : yColumns)
        yExtent.Add(table.Columns[c], options.logY);
    const Range xRange = options.xRange.value_or(xExtent.Bounds(options.logX));
    const Range yRange = options.yRange.value_or(yExtent.Bounds(options.logY));

    auto data = std::make_shared<GraphData>();
    data->XAxis()->AxisType(options.logX ? gatLog : gatLinear);
    data->YAxis()->AxisType(options.logY ? gatLog : gatLinear);
    data->Bounds()->Initialize(xRange.min, yRange.min, xRange.max, yRange.max);
    auto series = std::make_shared<PanelData>();
    series->Name("Series");
    data->PanelList()->Add(series);

    // Series hold their arrays by value. A column read again (as X, or as a later Y) is copied;
    // otherwise it is taken over, as the X column is by the last series.
    for (std::size_t i = 0; i < yColumns.size(); ++i) {
        const std::size_t c = yColumns[i];
        const bool last = i + 1 == yColumns.size();
        const bool readAgain = (c == xColumn && !interval)
            || std::find(yColumns.begin() + static_cast<std::ptrdiff_t>(i) + 1, yColumns.end(), c)
                != yColumns.end();
        DoubleArray y(readAgain ? table.Columns[c] : std::move(table.Columns[c]));
        const int32_t color = PaletteColor(i);
        if (interval) {
            series->CreateIntervalData(options.interval->min, options.interval->max, std::move(y),
                length, options.graphType, -1, table.Names[c], true, color, false, color);
        } else {
            DoubleArray x(last ? std::move(table.Columns[xColumn]) : table.Columns[xColumn]);
            series->CreateData(std::move(x), std::move(y), length, options.graphType, -1,
                table.Names[c], true, color, false, color);
        }
    }

    if (table.HasHeader) {
        // About 16 pixels a line at the plot area's height (the control's less its margins).
        const double lineFraction = 16.0 / std::max(options.height - 120, 60);
        auto legend = std::make_shared<PanelData>();
        legend->Name("Legend");
        for (std::size_t i = 0; i < yColumns.size(); ++i) {
            const std::string& name = table.Names[yColumns[i]];
            legend->CreateLabel(At(xRange, 0.02, options.logX),
                At(yRange, 0.98 - lineFraction * static_cast<double>(i), options.logY), name, -1,
                "Legend " + name, PaletteColor(i));
        }
        data->PanelList()->Add(legend);
    }
    return data;
}

void ApplyRangeOptions(GraphData& data, const RenderOptions& options)
{
    if (options.logX)
        data.XAxis()->AxisType(gatLog);
    if (options.logY)
        data.YAxis()->AxisType(gatLog);
    BoundsRecord bounds = data.Bounds()->GetRecord();
    if (options.xRange) {
        bounds.XMin = options.xRange->min;
        bounds.XMax = options.xRange->max;
    }
    if (options.yRange) {
        bounds.YMin = options.yRange->min;
        bounds.YMax = options.yRange->max;
    }
    data.Bounds()->SetRecord(bounds);
}

} // namespace vantrel::render_tool
