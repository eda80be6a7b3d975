// Axis: design replacement on a type change, shared format, bounds forwarded with the format.
#include <gtest/gtest.h>
#include <vantrel/Axis.h>

using namespace vantrel;

namespace {

TEST(Axis, OnlyATypeChangeReplacesTheDesign)
{
    Axis axis;
    EXPECT_EQ(std::tuple(axis.AxisType(), axis.Design()->TypeID()), std::tuple(gatLinear, 0));
    axis.AxisType(gatLog);
    Ref<AxisDesign> first = axis.Design();
    ASSERT_TRUE(axis.ApplyBounds(0, 300, 1, 1000));
    axis.AxisType(gatLog);
    EXPECT_EQ(axis.Design(), first);
    EXPECT_EQ(axis.Max(), 1000);

    axis.AxisType(static_cast<GraphAxisTypeConstants>(7));
    EXPECT_EQ(std::tuple(axis.AxisType(), axis.Design()->TypeID()), std::tuple(7, 0));
    EXPECT_EQ(axis.Max(), 0.0) << "the fresh design forgot the bounds";
    EXPECT_FALSE(axis.Design()->ConvInit());
    EXPECT_EQ(Axis::NewDesign(static_cast<GraphAxisTypeConstants>(INT32_MIN))->TypeID(), 0);
}

TEST(Axis, FormatIsSharedWithTheHost)
{
    Axis axis;
    auto format = std::make_shared<AxisFormat>();
    axis.Format(format);
    format->GridLines(4);
    format->ValuePrecision(2);
    EXPECT_EQ(axis.Format(), format);

    // The design reads the axis's format at the next ApplyBounds.
    ASSERT_TRUE(axis.ApplyBounds(300, 0, 0, 10));
    EXPECT_EQ(
        std::tuple(axis.Design()->Conv(), axis.Design()->GridCount(), axis.Design()->GridValue(0)),
        std::tuple(-30.0, 4, 2.0));
}

TEST(Axis, AbsentFormatFailsWithoutCrash)
{
    Axis axis;
    axis.Format(nullptr);
    EXPECT_FALSE(axis.Format());
    EXPECT_FALSE(axis.ApplyBounds(0, 500, 10, 0));
    EXPECT_EQ(std::tuple(axis.Min(), axis.Max()), std::tuple(0.0, 10.0));
}

} // namespace
