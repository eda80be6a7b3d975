// The retained series point nearest a plot pixel: the widget's snapping read-out and the
// viewer's status bar.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vantrel/OrvGraph.h>

namespace vantrel::qt {

struct SnappedPoint {
    std::string name;
    int32_t index = 0; // from 0
    double x = 0.0;
    double y = 0.0;
};

// Looks only at the points whose X lies within the radius, found by index for interval series
// and by bisection for series whose X never decreases, so that a ten-million-point series
// costs a few hundred steps per pointer move; other series are scanned whole.
class SeriesSnapper {
public:
    // The nearest point of an enabled series of an enabled panel of the graph's current data
    // within `radius` plot pixels of the plot pixel (px, py).
    std::optional<SnappedPoint> Nearest(
        const OrvGraph& graph, int32_t px, int32_t py, int32_t radius = 8);

private:
    // Whether an item's X never decreases, as last checked at this storage, length and ends.
    struct Order {
        const double* xs = nullptr;
        int32_t length = -1;
        double first = 0.0;
        double last = 0.0;
        bool ascending = false;
    };
    bool Ascending(const XYItem_Data& item);

    std::unordered_map<const XYItem_Data*, Order> orders_;
};

} // namespace vantrel::qt
