// The shared set-up of the retained-drawing tests: a white plot of known scale and the host
// objects drawn on it.
#pragma once

#include "vantrel/ErrorOf.h"
#include "vantrel/control/SitedGraph.h"

#include <functional>
#include <gdi/Gdi.h>
#include <gtest/gtest.h>

namespace vantrel::retainedtest {

constexpr uint32_t white = 0xFFFFFF;
constexpr uint32_t red = 0x0000FF;
constexpr uint32_t green = 0x00FF00;
constexpr uint32_t blue = 0xFF0000;

// A 500 x 300 plot area showing 0..10 on both axes: x = 50 v, y = 300 - 30 v.
struct Graph : testing::SitedGraph {
    Graph()
        : SitedGraph(616, 416)
    {
        Init();
        graph.InsideBackColor(white);
        graph.XGridStyle(ggsNone);
        graph.YGridStyle(ggsNone);
        graph.Clear();
        graph.SetScale(0, 0, 10, 10);
    }

    uint32_t At(double x, double y) const
    {
        return inside.ImagePixel(static_cast<int32_t>(50 * x), static_cast<int32_t>(300 - 30 * y));
    }
};

inline int32_t LivePensAndBrushes()
{
    return gdi::LiveObjectCount(gdi::OBJ_PEN) + gdi::LiveObjectCount(gdi::OBJ_BRUSH);
}

// Items made in a scratch panel, so that the host holds them outside any panel of the control.
inline Ref<XYItem_Shape> Box(double x1, double y1, double x2, double y2, int32_t color)
{
    return PanelData().CreateShape(gstRectangle, x1, y1, x2, y2, -1, "", color, true, color);
}

// A horizontal line across the whole range at height y: an interval series of 11 points.
inline Ref<XYItem_Data> Level(double y, int32_t color, int32_t width)
{
    return PanelData().CreateIntervalData(0, 1, DoubleArray(std::vector<double>(11, y)), 11,
        gdtLine, -1, "", true, color, false, color, width);
}

using test::ErrorOf;

} // namespace vantrel::retainedtest
