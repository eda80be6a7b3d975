// Rounding and bounded arrays: the values every other part relies on.
#include "vantrel/ErrorOf.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>
#include <vantrel/DoubleArray.h>
#include <vantrel/Rounding.h>

using namespace vantrel;
using vantrel::test::ErrorOf;

namespace {

TEST(CLng, RoundsTiesToEvenAndRaisesOverflowOutsideTheRange)
{
    const struct {
        const char* label;
        double value;
        int32_t expected;
    } cases[] = {
        { "2.5 ties down to even", 2.5, 2 },
        { "3.5 ties up to even", 3.5, 4 },
        { "-2.5 ties to even", -2.5, -2 },
        { "-0.5 ties to zero", -0.5, 0 },
        { "just above a tie", 2.5000000000000004, 3 },
        { "just below a tie", 2.4999999999999996, 2 },
        { "upper limit by rounding", 2147483647.4, INT32_MAX },
        { "lower tie rounds to even inside", -2147483648.5, INT32_MIN },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CLng(c.value), c.expected) << c.label;
    for (double v : { 2147483647.5, -2147483649.0, 1e300, std::numeric_limits<double>::infinity(),
             std::numeric_limits<double>::quiet_NaN() })
        EXPECT_EQ(ErrorOf([&] { CLng(v); }), 6) << v;

    EXPECT_EQ(CInt(-32768.5), -32768);
    EXPECT_EQ(ErrorOf([] { CInt(32767.5); }), 6);
    EXPECT_EQ(ErrorOf([] { CInt(-32769.0); }), 6);
}

TEST(DoubleArray, BoundsFollowTheLowerBound)
{
    DoubleArray a({ 1.0, 2.0, 3.0 }, -1);
    EXPECT_EQ(std::tuple(a.LBound(), a.UBound(), a(-1), a(1)), std::tuple(-1, 1, 1.0, 3.0));
    a(0) = 7.0;
    EXPECT_EQ(a.Data()[1], 7.0);
    for (int32_t outside : { -2, 2, INT32_MIN, INT32_MAX })
        EXPECT_EQ(ErrorOf([&] { (void)a(outside); }), 9) << outside;

    DoubleArray empty;
    EXPECT_EQ(std::tuple(empty.Empty(), empty.UBound()), std::tuple(true, -1));
    EXPECT_EQ(ErrorOf([&] { (void)empty(0); }), 9);
}

TEST(DoubleArray, RefusesAnUpperBoundBeyond32Bits)
{
    EXPECT_THROW(DoubleArray({ 1.0, 2.0 }, INT32_MAX), Error);
    EXPECT_NO_THROW(DoubleArray({ 1.0 }, INT32_MAX));
    EXPECT_EQ(DoubleArray({}, INT32_MIN).Count(), 0);
}

} // namespace
