// Axis: design replacement on a type change, shared format, bounds forwarded with the format.
#include <gtest/gtest.h>
#include <vantrel/Axis.h>

using namespace vantrel;

namespace {

TEST(Axis, NewAxisIsLinearWithDefaultFormat)
{
    Axis axis;
    ASSERT_TRUE(axis.Format());
    EXPECT_EQ(axis.Format()->GetRecord(), AxisFormatRecord {});
    EXPECT_EQ(axis.AxisType(), gatLinear);
    EXPECT_EQ(axis.Design()->TypeID(), 0);
    EXPECT_EQ(axis.Max(), 0.0);
    EXPECT_EQ(axis.Min(), 0.0);
}

TEST(Axis, NewDesignByType)
{
    struct Case {
        const char* label;
        int32_t type;
        int32_t typeId;
    };
    const Case cases[] = {
        { "linear", gatLinear, 0 },
        { "log", gatLog, 1 },
        { "outside the enumeration", 7, 0 },
        { "negative", -1, 0 },
        { "lowest Long", INT32_MIN, 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Axis::NewDesign(static_cast<GraphAxisTypeConstants>(c.type))->TypeID(), c.typeId)
            << c.label;
}

TEST(Axis, SameTypeKeepsTheDesign)
{
    Axis axis;
    axis.AxisType(gatLog);
    Ref<AxisDesign> first = axis.Design();
    ASSERT_TRUE(axis.ApplyBounds(0, 300, 1, 1000));
    axis.AxisType(gatLog);
    EXPECT_EQ(axis.Design(), first);
    EXPECT_EQ(axis.Max(), 1000);

    axis.AxisType(static_cast<GraphAxisTypeConstants>(7));
    EXPECT_EQ(axis.AxisType(), 7);
    EXPECT_EQ(axis.Design()->TypeID(), 0);
    // The fresh design forgot the bounds.
    EXPECT_EQ(axis.Max(), 0.0);
    EXPECT_FALSE(axis.Design()->ConvInit());
}

TEST(Axis, FormatIsSharedWithTheHost)
{
    Axis axis;
    auto format = std::make_shared<AxisFormat>();
    axis.Format(format);
    EXPECT_EQ(axis.Format(), format);
    format->Units("mV");
    EXPECT_EQ(axis.Format()->Units(), "mV");

    // The design reads the axis's format at the next ApplyBounds.
    format->GridLines(4);
    format->ValuePrecision(2);
    ASSERT_TRUE(axis.ApplyBounds(0, 500, 0, 10));
    EXPECT_EQ(axis.Design()->GridCount(), 4);
    EXPECT_EQ(axis.Design()->GridValue(0), 2);
}

TEST(Axis, ApplyBoundsForY)
{
    Axis axis;
    ASSERT_TRUE(axis.ApplyBounds(300, 0, 0, 10));
    EXPECT_EQ(axis.Design()->Conv(), -30);
    EXPECT_EQ(axis.Design()->GetPixel(5), 150);
}

TEST(Axis, AbsentFormatFailsWithoutCrash)
{
    Axis axis;
    axis.Format(nullptr);
    EXPECT_FALSE(axis.Format());
    EXPECT_FALSE(axis.ApplyBounds(0, 500, 10, 0));
    EXPECT_EQ(axis.Min(), 0);
    EXPECT_EQ(axis.Max(), 10);
}

} // namespace
