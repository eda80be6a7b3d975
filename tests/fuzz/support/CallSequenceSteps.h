// The call kinds of CallSequence with many variants: properties, figures, sources, items,
// pointer input and zooms.
#pragma once

#include "support/CallSequence.h"

namespace fuzzing {

inline void CallSequence::SetProperty()
{
    const auto color = [this] { return static_cast<OleColor>(in_.Int32()); };
    switch (in_.Choice(24)) {
    case 0:
        return g_.DrawWidth(static_cast<int16_t>(in_.Flag() ? in_.Choice(12) : in_.U16()));
    case 1:
        return g_.DrawStyle(in_.Flag() ? static_cast<int32_t>(in_.Choice(7)) : in_.Int32());
    case 2:
        return g_.DrawMode(in_.Flag() ? static_cast<int32_t>(in_.Choice(17)) : in_.Int32());
    case 3:
        return g_.CircleRadius(in_.Int32());
    case 4:
        return g_.CubicFit(in_.Flag());
    case 5:
        return g_.CubicFitInterval(in_.Double());
    case 6:
        return g_.CirclePoints(in_.Flag());
    case 7:
        return g_.KeepData(in_.Flag());
    case 8:
        return in_.Flag() ? g_.XAxisType(static_cast<GraphAxisTypeConstants>(in_.Choice(3)))
                          : g_.YAxisType(static_cast<GraphAxisTypeConstants>(in_.Choice(3)));
    case 9:
        return in_.Flag() ? g_.XGridStyle(static_cast<GraphGridStyleConstants>(in_.Int32()))
                          : g_.YGridStyle(static_cast<GraphGridStyleConstants>(in_.Int32()));
    case 10:
        return in_.Flag() ? g_.XGridLines(ModestGridLines(in_.Int32()))
                          : g_.YGridLines(ModestGridLines(in_.Int32()));
    case 11: {
        const float value = static_cast<float>(in_.Double());
        switch (in_.Choice(4)) {
        case 0:
            return g_.FrameLeft(value);
        case 1:
            return g_.FrameTop(value);
        case 2:
            return g_.FrameRight(value);
        default:
            return g_.FrameBottom(value);
        }
    }
    case 12:
        return in_.Flag() ? g_.XAxisValuePrecision(in_.Int32())
                          : g_.YAxisValuePrecision(in_.Int32());
    case 13:
        return in_.Flag()
            ? g_.XAxisValueFormat(static_cast<GraphAxisValueFormatConstants>(in_.Int32()))
            : g_.YAxisValueFormat(static_cast<GraphAxisValueFormatConstants>(in_.Int32()));
    case 14:
        return in_.Flag() ? g_.XOrigin(in_.Double()) : g_.YOrigin(in_.Double());
    case 15:
        return in_.Flag() ? g_.XOriginStyle(static_cast<GraphGridStyleConstants>(in_.Int32()))
                          : g_.YOriginStyle(static_cast<GraphGridStyleConstants>(in_.Int32()));
    case 16:
        return in_.Flag() ? g_.XAxisName(in_.Text(12)) : g_.YAxisUnits(in_.Text(12));
    case 17:
        // A new back colour redraws the graph, and a redraw may stop part way (see ZoomUser).
        mayStopPartWay_ = true;
        return in_.Flag() ? g_.FrameBackColor(color()) : g_.InsideBackColor(color());
    case 18:
        return in_.Flag() ? g_.FrameForeColor(color()) : g_.XGridColor(color());
    case 19:
        return in_.Flag() ? g_.FrameAppearance(static_cast<GraphAppearanceConstants>(in_.Int32()))
                          : g_.InsideAppearance(static_cast<GraphAppearanceConstants>(in_.Int32()));
    case 20:
        return g_.ZoomEnabled(in_.Flag());
    case 21:
        return in_.Flag() ? g_.XAxisValues(in_.Flag()) : g_.YAxisToolTip(in_.Flag());
    case 22:
        return in_.Flag() ? g_.InsideMousePointer(in_.Int32()) : g_.Enabled(in_.Flag());
    default:
        return g_.FrameEnabled(in_.Flag());
    }
}

inline void CallSequence::DrawFigure()
{
    const double a = in_.Double(), b = in_.Double(), c = in_.Double(), d = in_.Double();
    const int32_t color = in_.Int32();
    const bool fill = in_.Flag();
    const bool refresh = in_.Flag();
    switch (in_.Choice(6)) {
    case 0:
        return g_.DrawLine(a, b, c, d, color, refresh);
    case 1:
        return g_.DrawRectangle(a, b, c, d, color, fill, in_.Int32(), refresh);
    case 2:
        return g_.DrawPoint(a, b, color, refresh);
    case 3:
        return g_.DrawCircle(a, b, c, color, fill, in_.Int32(), refresh);
    case 4:
        return g_.DrawEllipse(a, b, c, d, color, fill, in_.Int32(), refresh);
    default:
        return g_.DrawLabel(a, b, in_.Text(16), color, refresh);
    }
}

// Items with whatever contents the input gives, consistent or not; sometimes none.
inline Ref<XYItem> CallSequence::Item()
{
    PanelData scratch;
    switch (in_.Choice(6)) {
    case 0: {
        const DoubleArray x = Array();
        const DoubleArray y = Array();
        auto item = scratch.CreateData(x, y, std::min(x.Count(), y.Count()), GraphType());
        if (in_.Flag())
            item->UseInterval(in_.Flag());
        if (in_.Flag())
            item->InterleavedData(true);
        return item;
    }
    case 1: {
        const DoubleArray y = Array();
        const double start = in_.Double();
        const double step = in_.Double();
        const GraphDataTypeConstants type = GraphType();
        return scratch.CreateIntervalData(
            start, step, y, y.Count(), type, -1, "", true, in_.Int32());
    }
    case 2: {
        const double x = in_.Double();
        const double y = in_.Double();
        return scratch.CreateLabel(x, y, in_.Text(8));
    }
    case 3: {
        const auto type
            = static_cast<GraphShapeTypeConstants>(in_.Flag() ? in_.Choice(4) : in_.Int32());
        const double a = in_.Double(), b = in_.Double(), c = in_.Double(), d = in_.Double();
        const int32_t color = in_.Int32();
        const bool fill = in_.Flag();
        const int32_t fillColor = in_.Int32();
        const auto width = static_cast<int32_t>(in_.Choice(40));
        const int32_t style = in_.Int32();
        return scratch.CreateShape(
            type, a, b, c, d, -1, "", color, fill, fillColor, true, width, style, in_.Int32());
    }
    case 4:
        return std::make_shared<XYItem>();
    default:
        return nullptr;
    }
}

inline Ref<PanelData> CallSequence::Panel()
{
    if (in_.Choice(8) == 0)
        return nullptr;
    auto panel = std::make_shared<PanelData>();
    panel->Enabled(in_.Choice(4) != 0);
    for (uint32_t n = in_.Choice(5); n > 0; --n)
        if (Ref<XYItem> item = Item())
            panel->AddItem(item);
    return panel;
}

// Refused before anything happens when the source or an axis format it needs is missing;
// otherwise drawing its items may fail half-way, which the method allows.
inline void CallSequence::Sources()
{
    Ref<GraphData> source;
    bool refusedUpFront = true;
    if (in_.Choice(6) != 0) {
        source = std::make_shared<GraphData>();
        source->Bounds()->SetRecord({ in_.Double(), in_.Double(), in_.Double(), in_.Double() });
        source->XAxis()->AxisType(static_cast<GraphAxisTypeConstants>(in_.Choice(2)));
        source->YAxis()->AxisType(static_cast<GraphAxisTypeConstants>(in_.Choice(2)));
        for (uint32_t n = in_.Choice(4); n > 0; --n)
            if (Ref<PanelData> panel = Panel())
                source->PanelList()->Add(panel);
        refusedUpFront = in_.Choice(8) == 0;
        if (refusedUpFront)
            source->YAxis()->Format(nullptr);
    }
    const bool scale = in_.Flag(), format = in_.Flag(), refresh = in_.Flag();
    const auto call = [&] { g_.DrawFromSources(source, scale, format, refresh); };
    if (refusedUpFront && (source == nullptr || format || g_.KeepData()))
        Atomic("DrawFromSources", call);
    else
        Loose("DrawFromSources", call);
}

// Retention comes first and refuses a missing object before anything is drawn.
inline void CallSequence::ItemCall()
{
    const bool refresh = in_.Flag();
    if (in_.Choice(4) == 0) {
        const Ref<PanelData> panel = Panel();
        const auto call = [&] { g_.DrawFromPanel(panel, refresh); };
        return panel ? Loose("DrawFromPanel", call) : Atomic("DrawFromPanel", call);
    }
    const Ref<XYItem> item = Item();
    const auto call = [&] {
        switch (item ? static_cast<uint32_t>(item->TypeID()) : in_.Choice(3)) {
        case gxyLabel:
            return g_.DrawFromLabel(std::dynamic_pointer_cast<XYItem_Label>(item), refresh);
        case gxyShape:
            return g_.DrawFromShape(std::dynamic_pointer_cast<XYItem_Shape>(item), refresh);
        default:
            if (in_.Flag())
                return g_.DrawFromItem(item, refresh);
            return g_.DrawFromSource(std::dynamic_pointer_cast<XYItem_Data>(item), refresh);
        }
    };
    if (item)
        Loose("DrawFrom item", call);
    else
        Atomic("DrawFrom item", call);
}

inline void CallSequence::Pointer()
{
    const auto position = [this] {
        return in_.Flag() ? static_cast<float>(in_.Choice(260)) - 10.0f
                          : static_cast<float>(in_.Double());
    };
    const auto button = static_cast<int16_t>(in_.Choice(4));
    const auto shift = static_cast<int16_t>(in_.Choice(8));
    const float x = position();
    const float y = position();
    switch (in_.Choice(8)) {
    case 0:
        return host_.InsideMouseDown(button, shift, x, y);
    case 1:
        return host_.InsideMouseMove(button, shift, x, y);
    case 2:
        return host_.InsideMouseUp(button, shift, x, y);
    case 3:
        return host_.InsideClick();
    case 4:
        return host_.FrameMouseDown(button, shift, x, y);
    case 5:
        return host_.FrameMouseMove(button, shift, x, y);
    case 6:
        return host_.FrameMouseUp(button, shift, x, y);
    default:
        return host_.FrameClick();
    }
}

inline void CallSequence::Zoom()
{
    switch (in_.Choice(4)) {
    case 0:
        return g_.ZoomBox();
    case 1:
        return g_.ZoomHorizontal();
    case 2:
        return g_.ZoomVertical();
    default:
        return g_.ZoomOff();
    }
}

} // namespace fuzzing
