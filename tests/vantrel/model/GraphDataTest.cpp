// GraphData: the objects it holds, their sharing with the host, and refused replacements.
#include <gtest/gtest.h>
#include <vantrel/Error.h>
#include <vantrel/GraphData.h>

using namespace vantrel;

namespace {

TEST(GraphData, NewObjectHoldsFreshParts)
{
    GraphData d;
    ASSERT_TRUE(d.PanelList() && d.XAxis() && d.YAxis() && d.Bounds());
    EXPECT_EQ(d.PanelList(), d.PanelList()) << "the held list itself, every time";
    EXPECT_EQ(d.PanelList()->Count(), 0);
    EXPECT_NE(d.XAxis(), d.YAxis());
    EXPECT_EQ(
        std::tuple(d.XAxis()->AxisType(), d.YAxis()->AxisType()), std::tuple(gatLinear, gatLinear));
    EXPECT_EQ(d.Bounds()->GetRecord(), BoundsRecord {});
}

TEST(GraphData, PutsShareTheHostsObjectsAndRefuseAbsentOnes)
{
    GraphData d;
    auto axis = std::make_shared<Axis>();
    auto bounds = std::make_shared<GraphBounds>();
    d.XAxis(axis);
    d.Bounds(bounds);
    axis->AxisType(gatLog);
    bounds->XMax(5);
    EXPECT_EQ(std::tuple(d.XAxis()->AxisType(), d.Bounds()->XMax()), std::tuple(gatLog, 5.0));

    Ref<Axis> y = d.YAxis();
    const struct {
        const char* label;
        void (*put)(GraphData&);
    } cases[] = {
        { "XAxis", [](GraphData& g) { g.XAxis(nullptr); } },
        { "YAxis", [](GraphData& g) { g.YAxis(nullptr); } },
        { "Bounds", [](GraphData& g) { g.Bounds(nullptr); } },
    };
    for (const auto& c : cases) {
        try {
            c.put(d);
            ADD_FAILURE() << c.label << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), 91) << c.label;
        }
    }
    EXPECT_EQ(std::tuple(d.XAxis(), d.YAxis(), d.Bounds()), std::tuple(axis, y, bounds));
}

TEST(GraphData, ReleasesItsTreeWhenDestroyed)
{
    std::weak_ptr<XYItem_Label> label;
    std::weak_ptr<Axis> axis;
    {
        GraphData d;
        auto panel = std::make_shared<PanelData>();
        d.PanelList()->Add(panel);
        label = panel->CreateLabel(0, 0, "x");
        axis = d.XAxis();
        d.Tag(Variant(int32_t { 5 }));
        EXPECT_EQ(std::get<int32_t>(d.Tag()), 5);
    }
    EXPECT_TRUE(label.expired());
    EXPECT_TRUE(axis.expired());
}

} // namespace
