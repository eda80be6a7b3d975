// The snapping search against its slow twin: every point of every series tried, for seeded
// random series (ascending X, interval, unsorted X) and pointer positions.
#include <gtest/gtest.h>
#include <hosts/qt/SeriesSnapper.h>
#include <random>
#include <vantrel/HeadlessHost.h>
#include <vantrel/vantrel.h>

namespace {

using namespace vantrel;

// The nearest point within the radius, trying them all in the search's order.
std::optional<qt::SnappedPoint> SlowNearest(const OrvGraph& graph, int32_t px, int32_t py)
{
    const Ref<GraphData> data = graph.CurrentData();
    const AxisDesign& dx = *data->XAxis()->Design();
    const AxisDesign& dy = *data->YAxis()->Design();
    double best = 64.0;
    std::optional<qt::SnappedPoint> found;
    const Ref<PanelData> panel = data->PanelList()->Item(1);
    for (int32_t i = 1; i <= panel->Count(); ++i) {
        const auto item = std::dynamic_pointer_cast<XYItem_Data>(panel->Item(i));
        for (int32_t k = 0; k < item->Length(); ++k) {
            const double x
                = item->UseInterval() ? item->XStart() + k * item->XInterval() : item->X(k);
            const double y = item->Y(k);
            const double ddx = dx.GetPixel(x) - px;
            const double ddy = dy.GetPixel(y) - py;
            if (ddx * ddx + ddy * ddy <= best) {
                best = ddx * ddx + ddy * ddy;
                found = qt::SnappedPoint { item->Name(), k, x, y };
            }
        }
    }
    return found;
}

TEST(SeriesSnapperTest, SameAsTryingEveryPoint)
{
    const unsigned seed = std::random_device {}();
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int round = 0; round < 20; ++round) {
        const int32_t n = 50 + static_cast<int32_t>(random() % 2000);
        std::vector<double> ascending(static_cast<std::size_t>(n));
        std::vector<double> unsorted(ascending.size());
        std::vector<double> ys(ascending.size());
        double x = 0;
        for (std::size_t k = 0; k < ascending.size(); ++k) {
            x += unit(random) * 10.0 / n * (random() % 8 == 0 ? 0.0 : 2.0); // repeats too
            ascending[k] = x;
            unsorted[k] = unit(random) * 10.0;
            ys[k] = unit(random) * 2.0 - 1.0;
        }
        auto data = std::make_shared<GraphData>();
        data->Bounds()->SetRecord({ 0.0, 10.0, -1.0, 1.0 });
        auto panel = std::make_shared<PanelData>();
        panel->CreateData(DoubleArray(ascending), DoubleArray(ys), n, gdtLine, -1, "ascending");
        panel->CreateIntervalData(0.0, 10.0 / n, DoubleArray(ys), n, gdtLine, -1, "interval");
        panel->CreateData(DoubleArray(unsorted), DoubleArray(ys), n, gdtDotted, -1, "unsorted");
        data->PanelList()->Add(panel);
        HeadlessHost host(400, 300);
        host.InitNew();
        host.Graph().DrawFromSources(data, true, true);
        qt::SeriesSnapper snapper;
        for (int probe = 0; probe < 200; ++probe) {
            const auto px = static_cast<int32_t>(random() % 420) - 10;
            const auto py = static_cast<int32_t>(random() % 320) - 10;
            const auto fast = snapper.Nearest(host.Graph(), px, py);
            const auto slow = SlowNearest(host.Graph(), px, py);
            ASSERT_EQ(fast.has_value(), slow.has_value())
                << "seed " << seed << ", round " << round << " at " << px << "," << py;
            if (fast) {
                EXPECT_EQ(fast->name, slow->name) << "seed " << seed << ", round " << round;
                EXPECT_EQ(fast->index, slow->index) << "seed " << seed << ", round " << round;
            }
        }
    }
}

} // namespace
