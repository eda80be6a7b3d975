// GraphBounds, AxisFormat and Axis: argument order, value copies, refused sources, GridLines,
// design replacement and the shared format.
#include "ModelTestSupport.h"

#include <gtest/gtest.h>
#include <vantrel/Axis.h>
#include <vantrel/AxisFormat.h>
#include <vantrel/GraphBounds.h>

using namespace vantrel;
using vantrel::test::ErrorOf;

namespace {

TEST(GraphBounds, InitializeTakesXMinYMinXMaxYMaxAndNeverReorders)
{
    GraphBounds bounds;
    bounds.Initialize(5, 2, 1, 4);
    EXPECT_EQ(bounds.GetRecord(), (BoundsRecord { 5, 1, 2, 4 }));
}

TEST(BoundsAndFormat, CopyIsByValueAndAnAbsentSourceRaises91)
{
    auto bounds = std::make_shared<GraphBounds>();
    bounds->Initialize(1, 2, 3, 4);
    GraphBounds boundsCopy;
    boundsCopy.Copy(bounds);
    bounds->XMin(-7);
    EXPECT_EQ(boundsCopy.GetRecord(), (BoundsRecord { 1, 3, 2, 4 }));
    EXPECT_EQ(ErrorOf([&] { boundsCopy.Copy(nullptr); }), 91);
    EXPECT_EQ(boundsCopy.GetRecord(), (BoundsRecord { 1, 3, 2, 4 }));

    auto format = std::make_shared<AxisFormat>();
    format->Units("s");
    format->GridLines(4);
    AxisFormat formatCopy;
    formatCopy.Copy(format);
    const AxisFormatRecord copied = formatCopy.GetRecord();
    EXPECT_EQ(copied, format->GetRecord());
    format->Units("ms");
    EXPECT_EQ(ErrorOf([&] { formatCopy.Copy(nullptr); }), 91);
    EXPECT_EQ(formatCopy.GetRecord(), copied);
}

TEST(AxisFormat, GridLinesIgnoresValuesBelowOne)
{
    // The value given, then the value stored over the default of 10.
    const std::pair<int32_t, int32_t> cases[]
        = { { 0, 10 }, { -4, 10 }, { INT32_MIN, 10 }, { 1, 1 }, { INT32_MAX, INT32_MAX } };
    for (const auto& [value, stored] : cases) {
        AxisFormat format;
        format.GridLines(value);
        EXPECT_EQ(format.GridLines(), stored) << value;
    }
}

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

TEST(Axis, FormatIsSharedWithTheHostAndMayBeAbsent)
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

    // An absent format is accepted; the next set-up fails instead of crashing.
    axis.Format(nullptr);
    EXPECT_FALSE(axis.Format());
    EXPECT_FALSE(axis.ApplyBounds(0, 500, 10, 0));
    EXPECT_EQ(std::tuple(axis.Min(), axis.Max()), std::tuple(0.0, 10.0));
}

} // namespace
