// demo: a measurement kept as a data source, drawn whole, redrawn, and changed by the host.
//
// A host that keeps its data in a GraphData hands the whole tree to the control once
// (DrawFromSources). With KeepData on (the default) the control keeps that very object, so a
// Redraw replays it at the control's present size and axis settings, and changes the host makes
// to its items show at the next Redraw.
#include "Measurement.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace demo {
namespace {

using vantrel::DoubleArray;
using vantrel::PanelData;

constexpr double pi = 3.14159265358979323846;

// Colours are 0x00BBGGRR.
constexpr int32_t black = 0x000000;
constexpr int32_t grey = 0x808080;
constexpr int32_t blue = 0xB05A1E;
constexpr int32_t red = 0x2828D0;
constexpr int32_t green = 0x3C9628;
constexpr int32_t orange = 0x0A8CF0;
constexpr int32_t purple = 0x963C8C;
constexpr int32_t paleYellow = 0xC8F5FF;

// f(t) at t = start, start + step, ... (count values).
DoubleArray Sampled(
    int32_t count, double start, double step, const std::function<double(double)>& f)
{
    std::vector<double> values(static_cast<size_t>(count));
    for (int32_t k = 0; k < count; ++k)
        values[k] = f(start + k * step);
    return DoubleArray(std::move(values));
}

// Ten seconds of a test rig: two continuous signals, sampled events, and notes on them. Y is
// kept above 0 so that the same data also shows on a logarithmic axis; the data stay below 2.5
// so that the legend has room above them.
vantrel::Ref<vantrel::GraphData> BuildMeasurement()
{
    auto source = std::make_shared<vantrel::GraphData>();
    source->Bounds()->SetRecord({ 0.0, 10.0, 0.0, 5.0 }); // XMin, XMax, YMin, YMax
    // The axis formats travel with the source; DrawFromSources takes them when bFormatAxes is on.
    const auto x = source->XAxis()->Format();
    x->GridLines(10);
    x->ValuePrecision(1);
    const auto y = source->YAxis()->Format();
    y->GridLines(10);
    y->ValuePrecision(2);

    // Panels are drawn in list order, and the items of a panel in their order: later on top.
    // Interval series: Y values with an evenly spaced X (XStart, XInterval).
    auto signals = std::make_shared<PanelData>();
    signals->Name("signals");
    // A filled rectangle first, so that the signals pass over it (DrawStyle 2: dotted outline).
    signals->CreateShape(vantrel::gstRectangle, 7.0, 0.3, 9.6, 1.3, -1, "window", grey, true,
        paleYellow, true, 1, 2);
    signals->CreateIntervalData(0.0, 0.01,
        Sampled(1001, 0.0, 0.01, [](double t) { return 1.8 + 0.4 * std::sin(2 * pi * t / 4); }),
        1001, vantrel::gdtLine, -1, "supply", true, blue, false, blue, 2);
    signals->CreateIntervalData(0.0, 0.01,
        Sampled(1001, 0.0, 0.01,
            [](double t) {
                return 0.02 + 1.2 * std::exp(-t / 2.5) * (1 + std::cos(2 * pi * 1.5 * t));
            }),
        1001, vantrel::gdtLine, -1, "response", true, red);

    // Events: impulses from the axis, and samples as dots with explicit X values. The control's
    // CirclePoints puts a circle (in Color2) on each point of both.
    auto events = std::make_shared<PanelData>();
    events->Name("events");
    events->CreateIntervalData(0.5, 1.0,
        Sampled(10, 0.5, 1.0, [](double t) { return 2.0 * std::pow(0.6, t - 0.5); }), 10,
        vantrel::gdtImpulse, -1, "triggers", true, green, false, green, 2);
    const DoubleArray times = Sampled(19, 0.75, 0.5, [](double t) { return t; });
    events->CreateData(times,
        Sampled(19, 0.75, 0.5, [](double t) { return 0.01 * std::exp(0.55 * t); }), 19,
        vantrel::gdtDotted, -1, "drift", true, purple, false, purple);

    // Notes: a limit line, a legend (short lines and labels) and a caption, in axis units.
    auto notes = std::make_shared<PanelData>();
    notes->Name("notes");
    notes->CreateShape(vantrel::gstLine, 0.0, 2.5, 10.0, 2.5, -1, "limit", orange, false, 0, true,
        1, 1); // DrawStyle 1: dashed
    notes->CreateLabel(8.7, 2.85, "limit 2.5", -1, "", orange);
    notes->CreateLabel(7.1, 1.22, "settling window", -1, "", black);
    struct Entry {
        double x, y;
        const char* text;
        int32_t color;
    };
    const Entry legend[] = { { 0.3, 4.5, "supply", blue }, { 2.3, 4.5, "response", red },
        { 0.3, 3.0, "triggers", green }, { 2.3, 3.0, "drift", purple } };
    for (const Entry& e : legend) {
        notes->CreateShape(
            vantrel::gstLine, e.x, e.y, e.x + 0.5, e.y, -1, "", e.color, false, 0, true, 2);
        notes->CreateLabel(
            e.x + 0.6, e.y - 0.07, e.text, -1, "", e.color); // text centred on the line
    }

    // The notes' panel goes last, so that its labels lie on top of everything.
    source->PanelList()->Add(signals);
    source->PanelList()->Add(events);
    source->PanelList()->Add(notes);
    return source;
}

void Save(const vantrel::HeadlessHost& host, const std::filesystem::path& folder, const char* name)
{
    const std::string path = (folder / name).string();
    host.SavePng(path);
    std::printf("%s\n", path.c_str());
}

} // namespace

void ShowMeasurement(const std::filesystem::path& folder)
{
    vantrel::HeadlessHost host(836, 596);
    host.InitNew();
    vantrel::OrvGraph& graph = host.Graph();
    graph.CirclePoints(true);
    graph.CircleRadius(3);

    // bScaleGraph: the range comes from the source's Bounds; bFormatAxes: the grid and value
    // text from its axes' formats.
    const auto source = BuildMeasurement();
    graph.DrawFromSources(source, true, true);
    Save(host, folder, "demo-source.png");

    // A new size: Resize lays nothing out by itself; Redraw replays the retained source.
    host.ResizePixels(1036, 436);
    graph.Redraw();
    Save(host, folder, "demo-source-wide.png");

    // The same data on a logarithmic Y axis: the exponentials become straight lines. A log
    // axis needs a range above 0, so the host shows 0.01 .. 10 with ZoomUser (a redraw for
    // given bounds). Impulses start at 1 there (log 1 = 0).
    host.ResizePixels(836, 596);
    graph.YAxisType(vantrel::gatLog);
    graph.ZoomUser(0.0, 0.01, 10.0, 10.0); // XMin, YMin, XMax, YMax
    Save(host, folder, "demo-source-log.png");

    // The host changes its own items; the control holds the same objects and shows the change at
    // the next redraw, here ZoomOff back to the source's Bounds on a linear axis again. The
    // response is retuned (faster damping, new colour, legend too) and the drift samples hidden.
    const auto response = source->PanelList()->Item(1)->Data(2);
    response->SetYArray(Sampled(1001, 0.0, 0.01,
                            [](double t) {
                                return 0.02
                                    + 1.2 * std::exp(-t / 0.8) * (1 + std::cos(2 * pi * 1.5 * t));
                            }),
        1001);
    response->Color1(orange);
    source->PanelList()->Item(3)->Label(4)->Color(orange); // the legend's "response"
    source->PanelList()->Item(3)->Shape(3)->Color(orange);
    source->PanelList()->Item(2)->Data(2)->Enabled(false);
    graph.YAxisType(vantrel::gatLinear);
    graph.ZoomOff();
    Save(host, folder, "demo-source-changed.png");
}

} // namespace demo
