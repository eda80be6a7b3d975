// The snapping read-out: a search over the retained series in plot pixels.
#include "SnapReadout.h"

#include <vantrel/ValueText.h>
#include <vantrel/vantrel.h>

namespace vantrel::qt {

namespace {

std::string Trimmed(std::string text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string ValueText(double value, const AxisFormat& format)
{
    return Trimmed(
        FormatValue(value, format.ValueFormat(), format.ValuePrecision()) + format.Units());
}

struct Nearest {
    double distance2 = snapRadius * snapRadius;
    const XYItem_Data* item = nullptr;
    double x = 0.0;
    double y = 0.0;
};

void Visit(const XYItem_Data& item, const AxisDesign& dx, const AxisDesign& dy, int32_t px,
    int32_t py, Nearest& nearest)
{
    if (!item.Plottable())
        return;
    const double* xs = item.XView().zero;
    const double* ys = item.YView().zero;
    if (xs == nullptr || ys == nullptr)
        return;
    for (int32_t k = 0; k < item.Length(); ++k) {
        const double x = item.UseInterval() ? xs[0] + k * xs[1] : xs[k];
        const double y = ys[k];
        try {
            const double ddx = dx.GetPixel(x) - px;
            const double ddy = dy.GetPixel(y) - py;
            const double d2 = ddx * ddx + ddy * ddy;
            if (d2 <= nearest.distance2)
                nearest = Nearest { d2, &item, x, y };
        } catch (const Error&) {
            // A point whose pixel does not fit 32 bits is nowhere near the pointer.
        }
    }
}

} // namespace

std::optional<std::string> SnapText(const OrvGraph& graph, int32_t x, int32_t y)
{
    const Ref<GraphData> data = graph.CurrentData();
    if (!graph.Scaled() || !data || !data->XAxis() || !data->YAxis() || !data->PanelList())
        return std::nullopt;
    const Ref<AxisDesign> dx = data->XAxis()->Design();
    const Ref<AxisDesign> dy = data->YAxis()->Design();
    const Ref<AxisFormat> fx = data->XAxis()->Format();
    const Ref<AxisFormat> fy = data->YAxis()->Format();
    if (!dx || !dy || !fx || !fy)
        return std::nullopt;
    Nearest nearest;
    const Ref<PanelManager> panels = data->PanelList();
    for (int32_t p = 1; p <= panels->Count(); ++p) {
        const Ref<PanelData> panel = panels->Item(p);
        if (!panel || !panel->Enabled())
            continue;
        for (int32_t i = 1; i <= panel->Count(); ++i) {
            const Ref<XYItem> item = panel->Item(i);
            const auto series = std::dynamic_pointer_cast<XYItem_Data>(item);
            if (series && series->Enabled())
                Visit(*series, *dx, *dy, x, y, nearest);
        }
    }
    if (nearest.item == nullptr)
        return std::nullopt;
    return nearest.item->Name() + ": " + ValueText(nearest.x, *fx) + ", "
        + ValueText(nearest.y, *fy);
}

} // namespace vantrel::qt
