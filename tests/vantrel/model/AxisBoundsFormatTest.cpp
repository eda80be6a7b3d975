// GraphBounds, AxisFormat and Axis: argument order, value copies, refused sources, GridLines,
// design replacement and the shared format.
#include "vantrel/ErrorOf.h"

#include <gtest/gtest.h>
#include <vantrel/Axis.h>
#include <vantrel/AxisFormat.h>
#include <vantrel/GraphBounds.h>

using namespace vantrel;
using vantrel::test::ErrorOf;

namespace {

// Initialize takes XMin, YMin, XMax, YMax and never reorders; Copy copies by value.
TEST(BoundsAndFormat, CopyIsByValueAndAnAbsentSourceRaises91)
{
    auto bounds = std::make_shared<GraphBounds>();
    bounds->Initialize(5, 2, 1, 4);
    GraphBounds boundsCopy;
    boundsCopy.Copy(bounds);
    bounds->XMin(-7);
    EXPECT_EQ(boundsCopy.GetRecord(), (BoundsRecord { 5, 1, 2, 4 }));
    EXPECT_EQ(ErrorOf([&] { boundsCopy.Copy(nullptr); }), 91);
    EXPECT_EQ(boundsCopy.GetRecord(), (BoundsRecord { 5, 1, 2, 4 }));

    auto format = std::make_shared<AxisFormat>();
    format->Units("s");
    AxisFormat formatCopy;
    formatCopy.Copy(format);
    format->Units("ms");
    EXPECT_EQ(formatCopy.Units(), "s");
    EXPECT_EQ(ErrorOf([&] { formatCopy.Copy(nullptr); }), 91);
    EXPECT_EQ(formatCopy.Units(), "s");
}

TEST(AxisFormat, GridLinesIgnoresValuesBelowOne)
{
    AxisFormat format;
    for (int32_t ignored : { 0, -4, INT32_MIN })
        format.GridLines(ignored);
    EXPECT_EQ(format.GridLines(), 10);
    format.GridLines(1);
    EXPECT_EQ(format.GridLines(), 1);
}

TEST(Axis, OnlyATypeChangeReplacesTheDesign)
{
    Axis axis;
    axis.AxisType(gatLog);
    Ref<AxisDesign> first = axis.Design();
    ASSERT_TRUE(axis.ApplyBounds(0, 300, 1, 1000));
    axis.AxisType(gatLog);
    EXPECT_EQ(std::tuple(axis.Design(), axis.Max()), std::tuple(first, 1000.0));

    axis.AxisType(static_cast<GraphAxisTypeConstants>(7));
    EXPECT_EQ(std::tuple(axis.AxisType(), axis.Design()->TypeID()), std::tuple(7, 0));
    EXPECT_EQ(axis.Max(), 0.0) << "the fresh design forgot the bounds";
}

TEST(Axis, FormatIsSharedWithTheHostAndMayBeAbsent)
{
    Axis axis;
    auto format = std::make_shared<AxisFormat>();
    axis.Format(format);
    format->GridLines(4);
    format->ValuePrecision(2);
    // The design reads the axis's format at the next ApplyBounds.
    ASSERT_TRUE(axis.ApplyBounds(300, 0, 0, 10));
    EXPECT_EQ(
        std::tuple(axis.Design()->GridCount(), axis.Design()->GridValue(0)), std::tuple(4, 2.0));

    // An absent format is accepted; the next set-up fails instead of crashing.
    axis.Format(nullptr);
    EXPECT_FALSE(axis.ApplyBounds(0, 500, 10, 0));
    EXPECT_EQ(std::tuple(axis.Min(), axis.Max()), std::tuple(0.0, 10.0));
}

} // namespace
