// The series of a followed file, growing by the rows the watcher reads.
#pragma once

#include "DataLoader.h"

#include <cstdint>
#include <limits>
#include <loaders/DelimitedText.h>
#include <string>
#include <vantrel/Records.h>

namespace vantrel::view {

class LiveSeries {
public:
    // `window` > 0 keeps only the last `window` points of each series (the items' MaxLength).
    LiveSeries(Ref<GraphData> data, SeriesLayout layout, int32_t window);

    // Appends every row to the retained items through their append path. Error 380 with
    // "SOURCE:LINE:1: what" when a row does not have the file's columns; `firstLine` numbers
    // the rows' first line in the file. Nothing is appended then.
    void Append(const loaders::DelimitedTable& rows, const std::string& source, uint64_t firstLine);

    // The home bounds for the data so far: X over the points kept, Y over every value seen
    // (the range never jumps back as old points leave the window). Positive values only on a
    // logarithmic axis.
    BoundsRecord Bounds(bool logX, bool logY) const;

    const Ref<GraphData>& Data() const { return data_; }
    std::size_t Columns() const { return layout_.columns; }

private:
    struct Extent {
        double min = std::numeric_limits<double>::infinity();
        double max = -std::numeric_limits<double>::infinity();
        double positiveMin = std::numeric_limits<double>::infinity();
        void Add(double v);
        std::pair<double, double> Range(bool logarithmic) const;
    };

    Ref<GraphData> data_;
    SeriesLayout layout_;
    Extent x_;
    Extent y_;
};

} // namespace vantrel::view
