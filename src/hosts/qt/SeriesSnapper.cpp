// The nearest-point search in plot pixels, through the current data's axis designs.
#include "SeriesSnapper.h"

#include <algorithm>
#include <cmath>
#include <vantrel/vantrel.h>

namespace vantrel::qt {

namespace {

struct Search {
    const AxisDesign& dx;
    const AxisDesign& dy;
    int32_t px;
    int32_t py;
    double best;
    std::optional<SnappedPoint> found;

    void Try(const XYItem_Data& item, int32_t k, double x, double y)
    {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        try {
            const double ddx = dx.GetPixel(x) - px;
            const double ddy = dy.GetPixel(y) - py;
            const double d2 = ddx * ddx + ddy * ddy;
            if (d2 <= best) {
                best = d2;
                found = SnappedPoint { item.Name(), k, x, y };
            }
        } catch (const Error&) {
            // A point whose pixel does not fit 32 bits is nowhere near the pointer.
        }
    }
};

} // namespace

bool SeriesSnapper::Ascending(const XYItem_Data& item)
{
    const double* xs = item.XView().zero;
    const int32_t n = item.Length();
    Order& order = orders_[&item];
    if (order.xs == xs && order.length == n && order.first == xs[0] && order.last == xs[n - 1])
        return order.ascending;
    order = { xs, n, xs[0], xs[n - 1], std::is_sorted(xs, xs + n) };
    return order.ascending;
}

std::optional<SnappedPoint> SeriesSnapper::Nearest(
    const OrvGraph& graph, int32_t px, int32_t py, int32_t radius)
{
    const Ref<GraphData> data = graph.CurrentData();
    if (!graph.Scaled() || !data || !data->XAxis() || !data->YAxis() || !data->PanelList())
        return std::nullopt;
    const Ref<AxisDesign> dx = data->XAxis()->Design();
    const Ref<AxisDesign> dy = data->YAxis()->Design();
    if (!dx || !dy)
        return std::nullopt;
    // The X range within the radius, in axis values, whichever way the axis runs; a pixel
    // wider on each side, since values round to the nearest pixel.
    const double a = dx->GetValue(px - radius - 1);
    const double b = dx->GetValue(px + radius + 1);
    const double xLow = std::min(a, b);
    const double xHigh = std::max(a, b);
    Search search { *dx, *dy, px, py, static_cast<double>(radius) * radius, std::nullopt };
    const Ref<PanelManager> panels = data->PanelList();
    for (int32_t p = 1; p <= panels->Count(); ++p) {
        const Ref<PanelData> panel = panels->Item(p);
        if (!panel || !panel->Enabled())
            continue;
        for (int32_t i = 1; i <= panel->Count(); ++i) {
            const auto item = std::dynamic_pointer_cast<XYItem_Data>(panel->Item(i));
            if (!item || !item->Enabled() || !item->Plottable() || item->Length() == 0)
                continue;
            const double* xs = item->XView().zero;
            const double* ys = item->YView().zero;
            if (xs == nullptr || ys == nullptr)
                continue;
            const int32_t n = item->Length();
            int32_t first = 0;
            int32_t last = n;
            if (item->UseInterval()) {
                if (xs[1] > 0) {
                    first = static_cast<int32_t>(
                        std::clamp(std::floor((xLow - xs[0]) / xs[1]), 0.0, double(n)));
                    last = static_cast<int32_t>(
                        std::clamp(std::ceil((xHigh - xs[0]) / xs[1]) + 1, 0.0, double(n)));
                }
                for (int32_t k = first; k < last; ++k)
                    search.Try(*item, k, xs[0] + k * xs[1], ys[k]);
                continue;
            }
            if (Ascending(*item)) {
                first = static_cast<int32_t>(std::lower_bound(xs, xs + n, xLow) - xs);
                last = static_cast<int32_t>(std::upper_bound(xs, xs + n, xHigh) - xs);
            }
            for (int32_t k = first; k < last; ++k)
                search.Try(*item, k, xs[k], ys[k]);
        }
    }
    return search.found;
}

} // namespace vantrel::qt
