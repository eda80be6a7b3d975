// GraphData: the objects it holds, their sharing with the host, and refused replacements.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>
#include <vantrel/GraphData.h>

using namespace vantrel;
using vantrel::test::ErrorOf;

namespace {

TEST(GraphData, PutsShareTheHostsObjectsAndRefuseAbsentOnes)
{
    GraphData d;
    ASSERT_TRUE(d.PanelList() && d.XAxis() && d.YAxis() && d.Bounds());
    EXPECT_EQ(d.PanelList(), d.PanelList()) << "the held list itself, every time";
    EXPECT_NE(d.XAxis(), d.YAxis());

    auto axis = std::make_shared<Axis>();
    auto bounds = std::make_shared<GraphBounds>();
    d.XAxis(axis);
    d.Bounds(bounds);
    axis->AxisType(gatLog);
    bounds->XMax(5);
    EXPECT_EQ(std::tuple(d.XAxis()->AxisType(), d.Bounds()->XMax()), std::tuple(gatLog, 5.0));

    Ref<Axis> y = d.YAxis();
    EXPECT_EQ(ErrorOf([&] { d.XAxis(nullptr); }), 91);
    EXPECT_EQ(ErrorOf([&] { d.YAxis(nullptr); }), 91);
    EXPECT_EQ(ErrorOf([&] { d.Bounds(nullptr); }), 91);
    EXPECT_EQ(std::tuple(d.XAxis(), d.YAxis(), d.Bounds()), std::tuple(axis, y, bounds));
}

} // namespace
