// Controls with plot areas of exact sizes, reference drawings made with the graphics layer
// directly, and pixel queries on retained images.
#pragma once

#include "vantrel/control/SitedGraph.h"

#include <algorithm>
#include <gdi/Gdi.h>
#include <gdi/Pixmap.h>
#include <numeric>
#include <vantrel/vantrel.h>

namespace vantrel::rendertest {

using testing::SitedGraph;

constexpr uint32_t white = 0xFFFFFF;
constexpr uint32_t gridGrey = 0xC0C0C0;

// Pens, brushes and fonts alive in the graphics layer, stock objects excluded.
inline int32_t LiveDrawingObjects()
{
    return gdi::LiveObjectCount(gdi::OBJ_PEN) + gdi::LiveObjectCount(gdi::OBJ_BRUSH)
        + gdi::LiveObjectCount(gdi::OBJ_FONT);
}

// A control whose plot area is exactly width x height pixels: the frame off and a flat border,
// so the inside picture covers the control less one pixel each side. Grid, values and origin
// marks are off unless a test turns them on.
struct BarePlot : SitedGraph {
    BarePlot(int32_t width, int32_t height)
        : SitedGraph(width + 2, height + 2)
    {
        Init();
        graph.InsideAppearance(graFlat);
        graph.FrameEnabled(false);
        graph.XGridStyle(ggsNone);
        graph.YGridStyle(ggsNone);
        graph.XOriginStyle(ggsNone);
        graph.YOriginStyle(ggsNone);
    }

    // Clear, then SetScale, as a host does before drawing.
    void Scale(double xMin, double yMin, double xMax, double yMax)
    {
        graph.Clear();
        graph.SetScale(xMin, yMin, xMax, yMax);
    }

    gdi::Pixmap Plot() const { return inside.ImageCopy(); }
};

// A control with the default frame margins (80 pixels left and top, 32 right and bottom) and a
// 3-D border, sized so that its plot area is width x height pixels.
struct FramedPlot : SitedGraph {
    FramedPlot(int32_t width, int32_t height)
        : SitedGraph(width + 4 + 80 + 32, height + 4 + 80 + 32)
    {
        Init();
    }
};

// A drawing call whose figure lies beyond the drawable range: it draws the frame and nothing else.
inline void DrawFrameOnly(OrvGraph& graph) { graph.DrawLine(0.0, 0.0, 1e9, 0.0); }

inline bool AnyInk(const gdi::Pixmap& image, uint32_t background)
{
    for (int32_t y = 0; y < image.Height(); ++y)
        for (int32_t x = 0; x < image.Width(); ++x)
            if (image.At(x, y) != background)
                return true;
    return false;
}

// The positions along column (or row) `at` that hold `color`: rows of a column, columns of a row.
inline std::vector<int32_t> Marked(
    const gdi::Pixmap& image, bool column, int32_t at, uint32_t color)
{
    std::vector<int32_t> found;
    for (int32_t i = 0; i < (column ? image.Height() : image.Width()); ++i)
        if ((column ? image.At(at, i) : image.At(i, at)) == color)
            found.push_back(i);
    return found;
}

inline std::vector<int32_t> Range(int32_t from, int32_t to)
{
    std::vector<int32_t> values(static_cast<size_t>(to - from));
    std::iota(values.begin(), values.end(), from);
    return values;
}

} // namespace vantrel::rendertest
