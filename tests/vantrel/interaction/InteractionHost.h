// A headless graph scaled and drawn for pointer tests, a recording event sink, and scripted
// gestures in plot pixels.
#pragma once

#include <charconv>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vantrel/HeadlessHost.h>
#include <vector>

namespace vantrel::testing {

// Records every event as "InsideMouseDown 1 0 2.5 3" (positions in their shortest exact form), then
// scribbles over the arguments as a host may: the control must keep its own copies. A test may
// also call into the control from the mouse-up handler.
class RecordingSink final : public OrvGraphEvents {
public:
    std::vector<std::string> events;
    std::function<void()> onInsideUp;

    void FrameClick() override { events.push_back("FrameClick"); }
    void FrameMouseDown(int16_t& b, int16_t& s, double& x, double& y) override
    {
        Record("FrameMouseDown", b, s, x, y);
    }
    void FrameMouseMove(int16_t& b, int16_t& s, double& x, double& y) override
    {
        Record("FrameMouseMove", b, s, x, y);
    }
    void FrameMouseUp(int16_t& b, int16_t& s, double& x, double& y) override
    {
        Record("FrameMouseUp", b, s, x, y);
    }
    void InsideClick() override { events.push_back("InsideClick"); }
    void InsideMouseDown(int16_t& b, int16_t& s, double& x, double& y) override
    {
        Record("InsideMouseDown", b, s, x, y);
    }
    void InsideMouseMove(int16_t& b, int16_t& s, double& x, double& y) override
    {
        Record("InsideMouseMove", b, s, x, y);
    }
    void InsideMouseUp(int16_t& b, int16_t& s, double& x, double& y) override
    {
        Record("InsideMouseUp", b, s, x, y);
        if (onInsideUp)
            onInsideUp();
    }

private:
    void Record(const char* name, int16_t& b, int16_t& s, double& x, double& y)
    {
        std::string text = std::string(name) + " " + std::to_string(b) + " " + std::to_string(s);
        for (const double value : { x, y }) {
            char digits[32];
            text += " " + std::string(digits, std::to_chars(digits, digits + 32, value).ptr);
        }
        events.push_back(text);
        b = s = -7;
        x = y = -7.0;
    }
};

// The control is 216 x 216 pixels, so that with the default margins (80 left and top, 32 right
// and bottom) and the 3-D border the plot area is 100 x 100 pixels: pixel column p shows the X
// value XMin + p * (XMax - XMin) / 100 and row r the Y value YMax - r * (YMax - YMin) / 100.
struct InteractionHost {
    static constexpr int32_t plotSize = 100;

    explicit InteractionHost(double xMin = 0, double yMin = 0, double xMax = 100, double yMax = 100)
    {
        host.InitNew();
        Graph().SetEventSink(&sink);
        Graph().Clear();
        Graph().SetScale(xMin, yMin, xMax, yMax);
        // One figure draws the frame (Formatted) and loads data (DataLoaded).
        Graph().DrawLine(xMin, yMin, xMax, yMax, 0x0000FF);
    }

    OrvGraph& Graph() { return host.Graph(); }
    BoundsRecord Displayed()
    {
        return { Graph().XMin(), Graph().XMax(), Graph().YMin(), Graph().YMax() };
    }

    // The plot area's retained image, row by row.
    std::vector<uint32_t> Plot() const
    {
        std::vector<uint32_t> pixels;
        for (int32_t y = 0; y < plotSize; ++y)
            for (int32_t x = 0; x < plotSize; ++x)
                pixels.push_back(host.InsidePixel(x, y));
        return pixels;
    }

    // Press, moves in `steps` equal steps, release where the last move went.
    void Drag(float x0, float y0, float x1, float y1, int16_t button = 1, int steps = 4)
    {
        host.InsideMouseDown(button, 0, x0, y0);
        for (int i = 1; i <= steps; ++i) {
            const float t = static_cast<float>(i) / static_cast<float>(steps);
            host.InsideMouseMove(button, 0, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t);
        }
        host.InsideMouseUp(button, 0, x1, y1);
    }

    HeadlessHost host { 216, 216 };
    RecordingSink sink;
};

} // namespace vantrel::testing
