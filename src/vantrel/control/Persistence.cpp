// Saving and restoring the 48 design-time properties through the host's property bag.
#include "control/OrvGraphImpl.h"
#include "core/VariantConversion.h"

#include <array>
#include <vantrel/platform/ControlContainer.h>

namespace vantrel {

namespace {

// One bag entry: its key, the default that goes with every read and write (with its own
// type), how the value is written (in its written type) and how a read value reaches the
// property's setter (converted to its read type).
struct PersistedEntry {
    const char* key;
    // The key the entry is read under; the bag ignores letter case, so it names the same
    // entry as key.
    const char* readKey;
    Variant defaultValue;
    Variant (*write)(const OrvGraph&);
    void (*read)(OrvGraph&, const Variant&);
};

int32_t AsLong(OleColor color) { return static_cast<int32_t>(color); }
OleColor AsColor(const Variant& v) { return static_cast<OleColor>(VariantToLong(v)); }

const std::array<PersistedEntry, 48>& Entries()
{
    using G = OrvGraph;
    using V = Variant;
    static const std::array<PersistedEntry, 48> entries { {
        { "FrameAppearance", nullptr, V(int32_t { 1 }),
            [](const G& g) { return V(int32_t { g.FrameAppearance() }); },
            [](G& g, const V& v) {
                g.FrameAppearance(static_cast<GraphAppearanceConstants>(VariantToLong(v)));
            } },
        { "InsideAppearance", nullptr, V(int32_t { 1 }),
            [](const G& g) { return V(int32_t { g.InsideAppearance() }); },
            [](G& g, const V& v) {
                g.InsideAppearance(static_cast<GraphAppearanceConstants>(VariantToLong(v)));
            } },
        { "FrameMousePointer", nullptr, V(int32_t { 0 }),
            [](const G& g) { return V(g.FrameMousePointer()); },
            [](G& g, const V& v) { g.FrameMousePointer(VariantToLong(v)); } },
        { "InsideMousePointer", nullptr, V(int32_t { 2 }),
            [](const G& g) { return V(g.InsideMousePointer()); },
            [](G& g, const V& v) { g.InsideMousePointer(VariantToLong(v)); } },
        { "FrameForeColor", nullptr, V(int32_t { 0 }),
            [](const G& g) { return V(AsLong(g.FrameForeColor())); },
            [](G& g, const V& v) { g.FrameForeColor(AsColor(v)); } },
        { "FrameBackColor", nullptr, V(AsLong(0x80000005u)),
            [](const G& g) { return V(AsLong(g.FrameBackColor())); },
            [](G& g, const V& v) { g.FrameBackColor(AsColor(v)); } },
        { "InsideBackColor", nullptr, V(AsLong(0x80000005u)),
            [](const G& g) { return V(AsLong(g.InsideBackColor())); },
            [](G& g, const V& v) { g.InsideBackColor(AsColor(v)); } },
        { "Enabled", nullptr, V(true), [](const G& g) { return V(g.Enabled()); },
            [](G& g, const V& v) { g.Enabled(VariantToBoolean(v)); } },
        { "KeepData", nullptr, V(true), [](const G& g) { return V(g.KeepData()); },
            [](G& g, const V& v) { g.KeepData(VariantToBoolean(v)); } },
        { "ZoomEnabled", nullptr, V(true), [](const G& g) { return V(g.ZoomEnabled()); },
            [](G& g, const V& v) { g.ZoomEnabled(VariantToBoolean(v)); } },
        { "DrawStyle", nullptr, V(int32_t { 0 }), [](const G& g) { return V(g.DrawStyle()); },
            [](G& g, const V& v) { g.DrawStyle(VariantToLong(v)); } },
        { "DrawMode", nullptr, V(int32_t { 13 }), [](const G& g) { return V(g.DrawMode()); },
            [](G& g, const V& v) { g.DrawMode(VariantToLong(v)); } },
        { "DrawWidth", nullptr, V(int16_t { 0 }), [](const G& g) { return V(g.DrawWidth()); },
            [](G& g, const V& v) { g.DrawWidth(VariantToInteger(v)); } },
        { "FrameEnabled", nullptr, V(true), [](const G& g) { return V(g.FrameEnabled()); },
            [](G& g, const V& v) { g.FrameEnabled(VariantToBoolean(v)); } },
        { "FrameLeft", nullptr, V(1200.0f), [](const G& g) { return V(g.FrameLeft()); },
            [](G& g, const V& v) { g.FrameLeft(VariantToSingle(v)); } },
        { "FrameRight", nullptr, V(480.0f), [](const G& g) { return V(g.FrameRight()); },
            [](G& g, const V& v) { g.FrameRight(VariantToSingle(v)); } },
        { "FrameTop", nullptr, V(1200.0f), [](const G& g) { return V(g.FrameTop()); },
            [](G& g, const V& v) { g.FrameTop(VariantToSingle(v)); } },
        { "FrameBottom", nullptr, V(480.0f), [](const G& g) { return V(g.FrameBottom()); },
            [](G& g, const V& v) { g.FrameBottom(VariantToSingle(v)); } },
        { "XAxisType", nullptr, V(int32_t { 0 }),
            [](const G& g) { return V(int32_t { g.XAxisType() }); },
            [](G& g, const V& v) {
                g.XAxisType(static_cast<GraphAxisTypeConstants>(VariantToLong(v)));
            } },
        { "XGridStyle", nullptr, V(int32_t { 1 }),
            [](const G& g) { return V(int32_t { g.XGridStyle() }); },
            [](G& g, const V& v) {
                g.XGridStyle(static_cast<GraphGridStyleConstants>(VariantToLong(v)));
            } },
        { "XGridLines", nullptr, V(int16_t { 10 }), [](const G& g) { return V(g.XGridLines()); },
            [](G& g, const V& v) { g.XGridLines(VariantToLong(v)); } },
        { "XGridColor", nullptr, V(int32_t { 0xC0C0C0 }),
            [](const G& g) { return V(AsLong(g.XGridColor())); },
            [](G& g, const V& v) { g.XGridColor(AsColor(v)); } },
        { "XAxisName", "xAxisName", V(std::string()), [](const G& g) { return V(g.XAxisName()); },
            [](G& g, const V& v) { g.XAxisName(VariantToString(v)); } },
        { "XAxisUnits", nullptr, V(std::string()), [](const G& g) { return V(g.XAxisUnits()); },
            [](G& g, const V& v) { g.XAxisUnits(VariantToString(v)); } },
        { "XAxisValues", nullptr, V(true), [](const G& g) { return V(g.XAxisValues()); },
            [](G& g, const V& v) { g.XAxisValues(VariantToBoolean(v)); } },
        { "XAxisToolTip", nullptr, V(true), [](const G& g) { return V(g.XAxisToolTip()); },
            [](G& g, const V& v) { g.XAxisToolTip(VariantToBoolean(v)); } },
        { "XAxisValuePrecision", nullptr, V(int16_t { 3 }),
            [](const G& g) { return V(g.XAxisValuePrecision()); },
            [](G& g, const V& v) { g.XAxisValuePrecision(VariantToLong(v)); } },
        { "XAxisValueFormat", nullptr, V(int32_t { 0 }),
            [](const G& g) { return V(int32_t { g.XAxisValueFormat() }); },
            [](G& g, const V& v) {
                g.XAxisValueFormat(static_cast<GraphAxisValueFormatConstants>(VariantToLong(v)));
            } },
        { "XOrigin", nullptr, V(int16_t { 0 }), [](const G& g) { return V(g.XOrigin()); },
            [](G& g, const V& v) { g.XOrigin(VariantToDouble(v)); } },
        { "XOriginColor", nullptr, V(int32_t { 0xC0C0C0 }),
            [](const G& g) { return V(AsLong(g.XOriginColor())); },
            [](G& g, const V& v) { g.XOriginColor(AsColor(v)); } },
        { "XOriginStyle", nullptr, V(int32_t { 1 }),
            [](const G& g) { return V(int32_t { g.XOriginStyle() }); },
            [](G& g, const V& v) {
                g.XOriginStyle(static_cast<GraphGridStyleConstants>(VariantToLong(v)));
            } },
        { "YAxisType", nullptr, V(int32_t { 0 }),
            [](const G& g) { return V(int32_t { g.YAxisType() }); },
            [](G& g, const V& v) {
                g.YAxisType(static_cast<GraphAxisTypeConstants>(VariantToLong(v)));
            } },
        { "YGridStyle", nullptr, V(int32_t { 1 }),
            [](const G& g) { return V(int32_t { g.YGridStyle() }); },
            [](G& g, const V& v) {
                g.YGridStyle(static_cast<GraphGridStyleConstants>(VariantToLong(v)));
            } },
        { "YGridLines", nullptr, V(int16_t { 10 }), [](const G& g) { return V(g.YGridLines()); },
            [](G& g, const V& v) { g.YGridLines(VariantToLong(v)); } },
        { "YGridColor", nullptr, V(int32_t { 0xC0C0C0 }),
            [](const G& g) { return V(AsLong(g.YGridColor())); },
            [](G& g, const V& v) { g.YGridColor(AsColor(v)); } },
        { "YAxisName", nullptr, V(std::string()), [](const G& g) { return V(g.YAxisName()); },
            [](G& g, const V& v) { g.YAxisName(VariantToString(v)); } },
        { "YAxisUnits", nullptr, V(std::string()), [](const G& g) { return V(g.YAxisUnits()); },
            [](G& g, const V& v) { g.YAxisUnits(VariantToString(v)); } },
        { "YAxisValues", nullptr, V(true), [](const G& g) { return V(g.YAxisValues()); },
            [](G& g, const V& v) { g.YAxisValues(VariantToBoolean(v)); } },
        { "YAxisToolTip", nullptr, V(true), [](const G& g) { return V(g.YAxisToolTip()); },
            [](G& g, const V& v) { g.YAxisToolTip(VariantToBoolean(v)); } },
        { "YAxisValuePrecision", nullptr, V(int16_t { 3 }),
            [](const G& g) { return V(g.YAxisValuePrecision()); },
            [](G& g, const V& v) { g.YAxisValuePrecision(VariantToLong(v)); } },
        { "YAxisValueFormat", nullptr, V(int32_t { 0 }),
            [](const G& g) { return V(int32_t { g.YAxisValueFormat() }); },
            [](G& g, const V& v) {
                g.YAxisValueFormat(static_cast<GraphAxisValueFormatConstants>(VariantToLong(v)));
            } },
        { "YOrigin", nullptr, V(int16_t { 0 }), [](const G& g) { return V(g.YOrigin()); },
            [](G& g, const V& v) { g.YOrigin(VariantToDouble(v)); } },
        { "YOriginColor", nullptr, V(int32_t { 0xC0C0C0 }),
            [](const G& g) { return V(AsLong(g.YOriginColor())); },
            [](G& g, const V& v) { g.YOriginColor(AsColor(v)); } },
        { "YOriginStyle", nullptr, V(int32_t { 1 }),
            [](const G& g) { return V(int32_t { g.YOriginStyle() }); },
            [](G& g, const V& v) {
                g.YOriginStyle(static_cast<GraphGridStyleConstants>(VariantToLong(v)));
            } },
        { "CirclePoints", nullptr, V(false), [](const G& g) { return V(g.CirclePoints()); },
            [](G& g, const V& v) { g.CirclePoints(VariantToBoolean(v)); } },
        { "CircleRadius", nullptr, V(3.0), [](const G& g) { return V(g.CircleRadius()); },
            [](G& g, const V& v) { g.CircleRadius(VariantToLong(v)); } },
        { "CubicFit", nullptr, V(false), [](const G& g) { return V(g.CubicFit()); },
            [](G& g, const V& v) { g.CubicFit(VariantToBoolean(v)); } },
        { "CubicFitInterval", nullptr, V(int16_t { 1 }),
            [](const G& g) { return V(g.CubicFitInterval()); },
            [](G& g, const V& v) { g.CubicFitInterval(VariantToDouble(v)); } },
    } };
    return entries;
}

} // namespace

void OrvGraph::WriteProperties(PropertyBag& bag)
{
    for (const PersistedEntry& entry : Entries())
        bag.WriteProperty(entry.key, entry.write(*this), entry.defaultValue);
}

// Values go through the public setters, checks and side effects included: a refused value
// leaves the field as creation left it. A conversion error ends the reading there, before Clear.
void OrvGraph::ReadProperties(PropertyBag& bag)
{
    for (const PersistedEntry& entry : Entries()) {
        const char* key = entry.readKey ? entry.readKey : entry.key;
        entry.read(*this, bag.ReadProperty(key, entry.defaultValue));
    }
    if (impl_->UserMode())
        Clear(true);
}

} // namespace vantrel
