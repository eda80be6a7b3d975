// demo: a host program that draws a complete graph off screen and saves it as a PNG.
//
// Copy this file to start a host of your own. The steps are the ones every host takes:
// site the control (here on HeadlessHost), initialise its properties, set the look of the axes,
// clear and scale, then draw in axis units.
//
// Usage: demo <output folder>   (prints the paths of the PNGs it wrote: the graph, the graph
// with a zoom selection dragged over it, the graph zoomed to that selection, then a measurement
// kept as a data source: drawn, redrawn wider, on a logarithmic axis, and changed; see
// Measurement.cpp)
#include "Measurement.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>

namespace {

// Colours are 0x00BBGGRR.
constexpr int32_t black = 0x000000;
constexpr int32_t red = 0x0000FF;
constexpr int32_t blue = 0xC05000;
constexpr int32_t green = 0x2E8B2E;
constexpr int32_t orange = 0x0080FF;
constexpr int32_t paleOrange = 0xB0E0FF;
constexpr int32_t paleBlue = 0xF5DCC0;
constexpr int32_t purple = 0x800080;

void DrawFigures(vantrel::OrvGraph& graph)
{
    // Every call below takes bRefresh False: the figures collect in the retained images and
    // appear together at the Refresh at the end.
    graph.DrawRectangle(0.5, 4.5, 3.5, 7.0, blue, false, 0, false);
    graph.DrawLabel(0.5, 7.0, "rectangle", black, false);

    graph.DrawRectangle(4.5, 4.5, 7.5, 7.0, blue, true, paleBlue, false);
    graph.DrawLabel(4.5, 7.0, "filled rectangle", black, false);

    graph.DrawCircle(10.0, 5.75, 1.25, red, true, paleOrange, false);
    graph.DrawLabel(8.75, 7.0, "filled circle", black, false);

    graph.DrawEllipse(-1.5, 0.5, 2.5, 3.0, purple, false, 0, false);
    graph.DrawLabel(-1.5, 3.0, "ellipse", black, false);

    // Pen settings apply to the figures drawn after them, and are retained with each figure.
    graph.DrawWidth(3);
    graph.DrawLine(4.0, 0.5, 7.5, 3.0, green, false);
    graph.DrawLabel(4.0, 3.0, "wide line", black, false);
    graph.DrawWidth(0);
    graph.DrawStyle(1); // dashed
    graph.DrawLine(9.0, 0.5, 12.5, 3.0, orange, false);
    graph.DrawLabel(9.0, 3.0, "dashed line", black, false);
    graph.DrawStyle(0);

    for (double x = -1.5; x <= 12.5; x += 0.5)
        graph.DrawPoint(x, -0.6, black, false);
    graph.DrawLabel(-1.5, -0.6, "points", black, false);
}

// The user's zoom, scripted as the pointer input a user would give. A drag with the left button
// over the plot area (positions in plot-area pixels: 48 per unit, row 0 at the top) shows a
// dotted selection; the host applies it with ZoomBox, which redraws the retained figures for
// the selected range. The selection has the plot area's proportions (3 : 2), so the circle
// stays round. ZoomOff would return to the range of SetScale.
void ZoomByDragging(vantrel::HeadlessHost& host, const std::filesystem::path& folder)
{
    host.InsideMouseDown(1, 0, 480.0f, 84.0f); // X 8, Y 7.25
    host.InsideMouseMove(1, 0, 600.0f, 150.0f);
    host.InsideMouseMove(1, 0, 696.0f, 228.0f); // X 12.5, Y 4.25
    host.InsideMouseUp(1, 0, 696.0f, 228.0f);
    const std::string selection = (folder / "demo-selection.png").string();
    host.SavePng(selection);
    std::printf("%s\n", selection.c_str());

    host.Graph().ZoomBox();
    const std::string zoomed = (folder / "demo-zoomed.png").string();
    host.SavePng(zoomed);
    std::printf("%s\n", zoomed.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        // The control, 836 x 596 pixels, sited on an off-screen host; InitNew applies the
        // defaults, as a host does for a newly placed control. With the default margins and
        // borders the plot area is 720 x 480 pixels: 48 pixels per unit on both axes below,
        // so that circles come out round.
        vantrel::HeadlessHost host(836, 596);
        host.InitNew();
        vantrel::OrvGraph& graph = host.Graph();

        // The look of the axes takes effect at the next scaling (SetScale below).
        graph.XGridLines(8);
        graph.YGridLines(5);
        graph.XAxisValuePrecision(1);
        graph.YAxisValuePrecision(1);
        graph.XOriginColor(0x404040);
        graph.YOriginColor(0x404040);

        // Clear makes a fresh current data; SetScale lays the range on the plot area. The
        // first drawing call then draws the grid, the value text and the origin lines.
        graph.Clear();
        graph.SetScale(-2.0, -1.0, 13.0, 9.0); // XMin, YMin, XMax, YMax
        DrawFigures(graph);
        graph.Refresh();

        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        const std::string path = (folder / "demo.png").string();
        host.SavePng(path);
        std::printf("%s\n", path.c_str());

        ZoomByDragging(host, folder);
        demo::ShowMeasurement(folder);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "demo: %s\n", error.what());
        return 1;
    }
}
