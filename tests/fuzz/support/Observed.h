// What a host can observe of a control between two calls, for the check that a refused call
// changes nothing.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vantrel/HeadlessHost.h>
#include <vantrel/MemoryPropertyBag.h>
#include <vantrel/vantrel.h>

namespace fuzzing {

struct Observed {
    std::string properties;
    const void* currentData = nullptr;
    int32_t panels = 0;
    int64_t items = 0;
    uint64_t bounds[4] = {};
    int32_t zoomState = 0;
    bool scaled = false;
    bool formatted = false;
    bool dataLoaded = false;
    uint64_t pixels = 0;

    bool operator==(const Observed&) const = default;

    static Observed Of(vantrel::HeadlessHost& host)
    {
        vantrel::OrvGraph& g = host.Graph();
        Observed o;
        vantrel::MemoryPropertyBag bag;
        g.WriteProperties(bag);
        for (const auto& entry : bag.Entries())
            o.properties += entry.Key + "=" + std::to_string(entry.Value.index()) + ":"
                + Text(entry.Value) + ";";
        o.currentData = g.CurrentData().get();
        if (g.CurrentData()) {
            const auto& panels = g.CurrentData()->PanelList();
            o.panels = panels->Count();
            for (int32_t i = 1; i <= panels->Count(); ++i)
                o.items += panels->Item(i)->Count();
        }
        const double values[4] = { g.XMin(), g.XMax(), g.YMin(), g.YMax() };
        std::memcpy(o.bounds, values, sizeof values);
        o.zoomState = g.ZoomState();
        o.scaled = g.Scaled();
        o.formatted = g.Formatted();
        o.dataLoaded = g.DataLoaded();
        // FNV-1a over a grid of at most 48 x 48 pixels of each picture's retained image: every
        // pixel would cost the fuzzer most of its time.
        uint64_t hash = 1469598103934665603ull;
        const auto mix = [&](uint32_t value) { hash = (hash ^ value) * 1099511628211ull; };
        const auto sample = [&](int32_t width, int32_t height, auto pixel) {
            const int32_t stepX = width / 48 + 1;
            const int32_t stepY = height / 48 + 1;
            for (int32_t y = 0; y < height; y += stepY)
                for (int32_t x = 0; x < width; x += stepX)
                    mix(pixel(x, y));
        };
        sample(g.GraphPixelWidth(), g.GraphPixelHeight(),
            [&](int32_t x, int32_t y) { return host.InsidePixel(x, y); });
        sample(g.FramePixelWidth(), g.FramePixelHeight(),
            [&](int32_t x, int32_t y) { return host.FramePixel(x, y); });
        o.pixels = hash;
        return o;
    }

private:
    static std::string Text(const vantrel::Variant& value)
    {
        return std::visit(
            [](const auto& v) -> std::string {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::string>)
                    return v;
                else if constexpr (std::is_arithmetic_v<T>)
                    return std::to_string(v);
                else
                    return "?";
            },
            value);
    }
};

} // namespace fuzzing
