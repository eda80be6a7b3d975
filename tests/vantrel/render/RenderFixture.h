// Controls with plot areas of exact sizes, reference drawings made with the graphics layer
// directly, and pixel queries on retained images.
#pragma once

#include "hosts/common/PixelImage.h"
#include "vantrel/control/SitedGraph.h"

#include <gdi/Gdi.h>
#include <vantrel/vantrel.h>

namespace vantrel::rendertest {

using hostkit::PixelImage;
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
    BarePlot& Scale(double xMin, double yMin, double xMax, double yMax)
    {
        graph.Clear();
        graph.SetScale(xMin, yMin, xMax, yMax);
        return *this;
    }

    PixelImage Plot() const { return inside.ImageCopy(); }
};

// A control with the default frame margins (80 pixels left and top, 32 right and bottom, at 15
// twips per pixel) and a 3-D border, sized so that its plot area is width x height pixels.
struct FramedPlot : SitedGraph {
    static constexpr int32_t plotLeft = 80;
    static constexpr int32_t plotTop = 80;

    FramedPlot(int32_t width, int32_t height)
        : SitedGraph(width + 4 + 80 + 32, height + 4 + 80 + 32)
    {
        Init();
    }
};

// A bitmap of its own on the graphics layer, in the pictures' state (hollow brush, transparent
// background), for drawing what a figure should look like.
class ReferenceCanvas {
public:
    ReferenceCanvas(int32_t width, int32_t height, gdi::COLORREF background)
        : width_(width)
        , height_(height)
        , dc_(gdi::CreateCompatibleDC(0))
        , bitmap_(gdi::CreateBitmap32(width, height))
    {
        gdi::SelectObject(dc_, bitmap_);
        const gdi::HBRUSH brush = gdi::CreateSolidBrush(background);
        const gdi::RECT all { 0, 0, width, height };
        gdi::FillRect(dc_, &all, brush);
        gdi::DeleteObject(brush);
        gdi::SelectObject(dc_, gdi::GetStockObject(gdi::HOLLOW_BRUSH));
        gdi::SetBkMode(dc_, gdi::TRANSPARENT);
    }
    ~ReferenceCanvas()
    {
        gdi::DeleteDC(dc_);
        gdi::DeleteObject(bitmap_);
    }
    ReferenceCanvas(const ReferenceCanvas&) = delete;
    ReferenceCanvas& operator=(const ReferenceCanvas&) = delete;

    gdi::HDC Dc() const { return dc_; }

    PixelImage Image() const
    {
        PixelImage image(width_, height_);
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x)
                image.At(x, y) = gdi::GetPixel(dc_, x, y) & 0xFFFFFFu;
        return image;
    }

private:
    int32_t width_;
    int32_t height_;
    gdi::HDC dc_;
    gdi::HBITMAP bitmap_;
};

// The smallest box holding every pixel of `image` inside `area` that differs from `background`;
// empty (right <= left) when there is none.
inline gdi::RECT InkBox(const PixelImage& image, gdi::RECT area, uint32_t background)
{
    gdi::RECT box { area.right, area.bottom, area.left, area.top };
    for (int32_t y = area.top; y < area.bottom; ++y)
        for (int32_t x = area.left; x < area.right; ++x)
            if (image.Contains(x, y) && image.At(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

// Rows (or columns) of one column (or row) that hold `color`.
inline std::vector<int32_t> ColumnRows(const PixelImage& image, int32_t x, uint32_t color)
{
    std::vector<int32_t> rows;
    for (int32_t y = 0; y < image.height; ++y)
        if (image.At(x, y) == color)
            rows.push_back(y);
    return rows;
}

inline std::vector<int32_t> RowColumns(const PixelImage& image, int32_t y, uint32_t color)
{
    std::vector<int32_t> columns;
    for (int32_t x = 0; x < image.width; ++x)
        if (image.At(x, y) == color)
            columns.push_back(x);
    return columns;
}

inline std::vector<int32_t> Range(int32_t from, int32_t to)
{
    std::vector<int32_t> values;
    for (int32_t v = from; v < to; ++v)
        values.push_back(v);
    return values;
}

} // namespace vantrel::rendertest
