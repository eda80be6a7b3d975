// One decoded call after another on a HeadlessHost, each checked against the invariants.
#pragma once

#include "support/FuzzInput.h"
#include "support/Observed.h"

#include <cmath>
#include <functional>
#include <string>
#include <vantrel/Error.h>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>
#include <vector>

namespace fuzzing {

using namespace vantrel;

class CallSequence {
public:
    CallSequence(HeadlessHost& host, FuzzInput& in)
        : host_(host)
        , g_(host.Graph())
        , in_(in)
    {
    }

    void Next()
    {
        const uint32_t kind = in_.Choice(20);
        switch (kind) {
        case 0:
            return Atomic("property", [this] { SetProperty(); });
        case 1:
            return Atomic("SetScale", [this] {
                const double a = in_.Double(), b = in_.Double(), c = in_.Double();
                g_.SetScale(a, b, c, in_.Double());
            });
        case 2:
            return Loose("Clear", [this] { g_.Clear(in_.Flag()); });
        case 3:
            return Atomic("DrawY", [this] {
                // On a graph not yet formatted a series draws the frame first, and the frame's
                // axis text may stop part way with 6, as a redraw does (see ZoomUser).
                mayStopPartWay_ = !g_.Formatted();
                const auto type = GraphType();
                const double start = in_.Double(), step = in_.Double();
                const DoubleArray y = Array();
                const Extras e = ReadExtras(y);
                g_.DrawY(
                    type, start, step, y, e.count, e.color, e.color2, e.interleaved, e.refresh);
            });
        case 4:
            return Atomic("DrawXY", [this] {
                mayStopPartWay_ = !g_.Formatted();
                const auto type = GraphType();
                const DoubleArray x = Array();
                const DoubleArray y = Array();
                const Extras e = ReadExtras(y);
                g_.DrawXY(type, x, y, e.count, e.color, e.color2, e.interleaved, e.refresh);
            });
        case 5:
            return Loose("figure", [this] { DrawFigure(); });
        case 6:
            return Sources();
        case 7:
            return ItemCall();
        case 8:
            return Loose("Redraw", [this] { g_.Redraw(); });
        case 9:
            return Loose("Refresh", [this] { g_.Refresh(); });
        case 10:
            return Atomic("ResizePixels", [this] {
                const int32_t w = static_cast<int32_t>(in_.Choice(200)) - 8;
                const int32_t h = static_cast<int32_t>(in_.Choice(200)) - 8;
                // Sizes a picture can hold are kept small, so that each input runs fast;
                // those beyond (and negative ones) test the refusal.
                const auto modest = [](int32_t side) { return side > 32767 ? side : side % 600; };
                const int32_t width = in_.Flag() ? w : modest(in_.Int32());
                const int32_t height = in_.Flag() ? h : modest(in_.Int32());
                host_.ResizePixels(width, height);
            });
        case 11:
        case 12:
            return Loose("pointer", [this] { Pointer(); });
        case 13:
            return Loose("zoom", [this] { Zoom(); });
        case 14:
            // Replays the retained data as Redraw does, so an item the host made inconsistent
            // may stop it part way, after the pictures were erased.
            return Loose("ZoomUser", [this] {
                const double a = in_.Double(), b = in_.Double(), c = in_.Double();
                g_.ZoomUser(a, b, c, in_.Double());
            });
        case 15:
            return Loose("save and load", [this] {
                MemoryPropertyBag bag;
                host_.Save(bag);
                if (in_.Flag()) {
                    const std::string name = PropertyName();
                    Variant value = Value();
                    if (name == "YGridLines")
                        value = ModestGridLines(value);
                    bag.Set(name, value);
                }
                host_.Load(bag);
            });
        case 16:
            return Loose("InitNew", [this] { host_.InitNew(); });
        default:
            return Atomic("property", [this] { SetProperty(); });
        }
    }

private:
    // A call that either completes or, refused, leaves everything observable as it was.
    void Atomic(const char* name, const std::function<void()>& call)
    {
        const Observed before = Observed::Of(host_);
        mayStopPartWay_ = false;
        if (!Run(name, call) && !mayStopPartWay_ && !(Observed::Of(host_) == before))
            Violated(std::string("a refused ") + name + " changed the control (" + refusal_ + ")");
    }

    // A call that may stop half-way by its definition (several steps, each of which may fail).
    void Loose(const char* name, const std::function<void()>& call) { Run(name, call); }

    // False when the call raised vantrel::Error.
    bool Run(const char* name, const std::function<void()>& call)
    {
        bool completed = true;
        try {
            call();
        } catch (const Error& e) {
            refusal_ = std::to_string(e.Number()) + ": " + e.what();
            completed = false;
        } catch (const std::exception& e) {
            Violated(std::string(name) + " let another exception out: " + e.what());
        }
        if (host_.GdiObjectCount() != 0)
            Violated(std::string(name) + " left " + std::to_string(host_.GdiObjectCount())
                + " graphics objects alive");
        return completed;
    }

    GraphDataTypeConstants GraphType()
    {
        return static_cast<GraphDataTypeConstants>(in_.Flag() ? in_.Choice(7) : in_.Int32());
    }

    DoubleArray Array()
    {
        std::vector<double> values = in_.Doubles(48);
        const int32_t lower = in_.Flag() ? 0 : static_cast<int32_t>(in_.Choice(9)) - 4;
        return DoubleArray(std::move(values), lower);
    }

    // Read one by one: the order in which a call's arguments are evaluated is unspecified, and
    // an input must decode alike with every compiler.
    struct Extras {
        int32_t count, color, color2;
        bool interleaved, refresh;
    };
    Extras ReadExtras(const DoubleArray& array)
    {
        Extras e {};
        e.count = Count(array);
        e.color = in_.Int32();
        e.color2 = in_.Int32();
        e.interleaved = in_.Flag();
        e.refresh = in_.Flag();
        return e;
    }

    // A billion grid lines are a billion marks and value texts: work the caller asks for, not a
    // fault, and far too slow for a fuzzing run. Counts beyond a few thousand are folded back
    // (the step arithmetic's edges are the axis tests' business).
    static int32_t ModestGridLines(int32_t lines) { return lines > 4096 ? lines % 4096 : lines; }
    static Variant ModestGridLines(const Variant& lines)
    {
        if (const auto* whole = std::get_if<int32_t>(&lines))
            return ModestGridLines(*whole);
        if (const auto* real = std::get_if<double>(&lines); real && std::fabs(*real) > 4096.0)
            return std::fmod(*real, 4096.0);
        return lines;
    }

    // Mostly the count the array holds, sometimes anything.
    int32_t Count(const DoubleArray& array) { return in_.Flag() ? array.Count() : in_.Int32(); }

    std::string PropertyName()
    {
        static const char* const names[] = { "DrawWidth", "CircleRadius", "XAxisType", "FrameLeft",
            "YGridLines", "XAxisValuePrecision", "CubicFitInterval", "KeepData", "InsideBackColor",
            "XAxisName" };
        return names[in_.Choice(std::size(names))];
    }

    Variant Value()
    {
        switch (in_.Choice(6)) {
        case 0:
            return in_.Int32();
        case 1:
            return in_.Double();
        case 2:
            return in_.Text(8);
        case 3:
            return in_.Flag();
        case 4:
            return static_cast<int16_t>(in_.U16());
        default:
            return Empty {};
        }
    }

    void SetProperty();
    void DrawFigure();
    void Sources();
    void ItemCall();
    void Pointer();
    void Zoom();
    Ref<XYItem> Item();
    Ref<PanelData> Panel();

    HeadlessHost& host_;
    OrvGraph& g_;
    FuzzInput& in_;
    std::string refusal_;
    bool mayStopPartWay_ = false; // set by a call that turned out to be a redraw
};

} // namespace fuzzing
