// The data item: storage modes, array copies, refused lengths.
#include "vantrel/ErrorOf.h"

#include <climits>
#include <gtest/gtest.h>
#include <vantrel/Ref.h>
#include <vantrel/XYItem_Data.h>

using namespace vantrel;
using vantrel::test::ErrorOf;

namespace {

// count copies of value, indexed from lowerBound.
DoubleArray Filled(int32_t count, int32_t lowerBound = 0, double value = 1.0)
{
    return DoubleArray(std::vector<double>(static_cast<std::size_t>(count), value), lowerBound);
}

TEST(XYItem_Data, ElementAccessOutsideTheHeldBoundsRaises9)
{
    XYItem_Data none;
    XYItem_Data fresh;
    fresh.InitArrays(5);
    XYItem_Data fromOne;
    fromOne.SetArrays(Filled(3, 1, 7.0), Filled(3, 1), 3);
    const struct {
        const char* label;
        const XYItem_Data& item;
        int32_t index;
    } cases[] = {
        { "no array held", none, 0 },
        { "InitArrays 5, index 5", fresh, 5 },
        { "INT32_MIN", fresh, INT32_MIN },
        { "host bounds 1..3, index 0", fromOne, 0 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf([&] { (void)c.item.X(c.index); }), 9) << c.label;
        EXPECT_EQ(ErrorOf([&] { (void)c.item.Y(c.index); }), 9) << c.label;
    }
    EXPECT_EQ(ErrorOf([&] { (void)fromOne.XStart(); }), 9) << "XStart is element 0";
    EXPECT_EQ(std::tuple(fromOne.X(1), fresh.X(4)), std::tuple(7.0, 0.0));
}

TEST(XYItem_Data, RefusedLengthsRaise9Or7AndLeaveTheItemUnchanged)
{
    // call is SetArrays (A), SetYArray (Y) or InitArrays (I); each array holds its count of 1.0.
    const struct {
        const char* label;
        bool interval;
        char call;
        int32_t xCount, yCount, length, error;
    } cases[] = {
        { "SetArrays length equal to both counts", false, 'A', 3, 3, 3, 0 },
        { "SetArrays negative", false, 'A', 3, 3, -1, 9 },
        { "SetArrays beyond X", false, 'A', 2, 3, 3, 9 },
        { "SetArrays beyond Y", false, 'A', 3, 2, 3, 9 },
        { "SetArrays ignored in interval mode", true, 'A', 3, 3, -1, 0 },
        { "SetYArray beyond Y", true, 'Y', 0, 4, 5, 9 },
        { "SetYArray ignored in point mode", false, 'Y', 0, 4, 5, 0 },
        { "InitArrays 0", false, 'I', 0, 0, 0, 9 },
        { "InitArrays INT32_MIN in interval mode", true, 'I', 0, 0, INT32_MIN, 9 },
        // A count beyond memory: refused with 7 before anything is allocated.
        { "InitArrays INT32_MAX", false, 'I', 0, 0, INT32_MAX, 7 },
        { "InitArrays just beyond its limit", true, 'I', 0, 0, XYItem_Data::maxInitLength + 1, 7 },
    };
    for (const auto& c : cases) {
        XYItem_Data d;
        d.UseInterval(c.interval);
        d.InitArrays(1);
        d.X(0, 11);
        auto before = std::tuple(d.XArray(), d.YArray(), d.Length(), d.UseInterval());
        const int32_t error = ErrorOf([&] {
            if (c.call == 'A')
                d.SetArrays(Filled(c.xCount), Filled(c.yCount), c.length);
            else if (c.call == 'Y')
                d.SetYArray(Filled(c.yCount), c.length);
            else
                d.InitArrays(c.length);
        });
        EXPECT_EQ(error, c.error) << c.label;
        if (error != 0) {
            EXPECT_EQ(std::tuple(d.XArray(), d.YArray(), d.Length(), d.UseInterval()), before)
                << c.label;
        }
    }
}

TEST(XYItem_Data, IntervalModeAndBack)
{
    XYItem_Data d;
    d.UseInterval(true);
    d.XStart(10);
    d.XInterval(0.5);
    d.InitArrays(4);
    EXPECT_EQ(std::tuple(d.XStart(), d.X(1), d.YArray().Count(), d.Plottable()),
        std::tuple(10.0, 0.5, 4, true))
        << "InitArrays keeps the interval pair";
    d.UseInterval(true);
    EXPECT_EQ(std::tuple(d.XStart(), d.XInterval()), std::tuple(0.0, 0.0)) << "true again restarts";

    // Back in point mode the kept pair is shorter than the length, and the puts are ignored.
    d.UseInterval(false);
    d.XStart(99);
    EXPECT_EQ(std::tuple(d.XArray(), d.Length(), d.Plottable()),
        std::tuple(DoubleArray({ 0.0, 0.0 }), 4, false));
}

TEST(XYItem_Data, PlottableOnlyWhenTheArraysHoldLengthPointsFromElementZero)
{
    const struct {
        const char* label;
        int32_t xFrom, xCount, yFrom, yCount, length;
        bool plottable;
    } cases[] = {
        { "length 0 over arrays", 0, 1, 0, 1, 0, true },
        { "length 0 over empty arrays: no element 0", 0, 0, 0, 0, 0, false },
        { "X from index 1 has no element 0", 1, 3, 0, 3, 3, false },
        { "from -2, length 3 reads 0..2", -2, 5, -2, 5, 3, true },
        { "Y from -2, length 5 would read past index 2", 0, 5, -2, 5, 5, false },
    };
    for (const auto& c : cases) {
        XYItem_Data d;
        d.SetArrays(Filled(c.xCount, c.xFrom), Filled(c.yCount, c.yFrom), c.length);
        EXPECT_EQ(d.Plottable(), c.plottable) << c.label;
    }
}

} // namespace
