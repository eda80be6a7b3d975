// Rounding, errors and bounded arrays: the values every other part relies on.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vantrel/DoubleArray.h>
#include <vantrel/Error.h>
#include <vantrel/Rounding.h>

using namespace vantrel;

namespace {

struct RoundCase {
    const char* label;
    double value;
    int32_t expected;
};

TEST(CLng, RoundsToNearestWithTiesToEven)
{
    const RoundCase cases[] = {
        { "2.5 ties down to even", 2.5, 2 },
        { "3.5 ties up to even", 3.5, 4 },
        { "-2.5 ties to even", -2.5, -2 },
        { "-3.5 ties to even", -3.5, -4 },
        { "0.5 ties to zero", 0.5, 0 },
        { "-0.5 ties to zero", -0.5, 0 },
        { "just above a tie", 2.5000000000000004, 3 },
        { "just below a tie", 2.4999999999999996, 2 },
        { "upper limit", 2147483647.0, INT32_MAX },
        { "upper limit by rounding", 2147483647.4, INT32_MAX },
        { "lower limit", -2147483648.0, INT32_MIN },
        { "lower tie rounds to even inside", -2147483648.5, INT32_MIN },
    };
    for (const auto& c : cases)
        EXPECT_EQ(CLng(c.value), c.expected) << c.label;
}

TEST(CLng, RaisesOverflowOutsideTheRange)
{
    const double bad[] = { 2147483647.5, 2147483648.0, -2147483649.0, 1e300,
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN() };
    for (double v : bad) {
        try {
            CLng(v);
            ADD_FAILURE() << "no error for " << v;
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), 6) << v;
            EXPECT_STREQ(e.what(), "Overflow");
        }
    }
}

TEST(CInt, SixteenBitRange)
{
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.0), -32768);
    EXPECT_EQ(CInt(-32768.5), -32768);
    EXPECT_THROW(CInt(32767.5), Error);
    EXPECT_THROW(CInt(-32769.0), Error);
}

TEST(Error, StandardNumbersAndTexts)
{
    const std::pair<int32_t, const char*> texts[] = {
        { 5, "Invalid procedure call or argument" },
        { 6, "Overflow" },
        { 9, "Subscript out of range" },
        { 11, "Division by zero" },
        { 13, "Type mismatch" },
        { 91, "Object variable or With block variable not set" },
        { 380, "Invalid property value" },
    };
    for (auto [number, text] : texts) {
        Error e(number);
        EXPECT_EQ(e.Number(), number);
        EXPECT_STREQ(e.what(), text);
    }
}

TEST(DoubleArray, BoundsFollowTheLowerBound)
{
    DoubleArray a({ 1.0, 2.0, 3.0 }, -1);
    EXPECT_EQ(a.LBound(), -1);
    EXPECT_EQ(a.UBound(), 1);
    EXPECT_EQ(a(-1), 1.0);
    EXPECT_EQ(a(1), 3.0);
    a(0) = 7.0;
    EXPECT_EQ(a.Data()[1], 7.0);

    for (int32_t outside : { -2, 2, INT32_MIN, INT32_MAX }) {
        try {
            (void)a(outside);
            ADD_FAILURE() << outside;
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), 9);
        }
    }

    DoubleArray empty;
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(empty.UBound(), -1);
    EXPECT_THROW((void)empty(0), Error);
}

TEST(DoubleArray, RefusesAnUpperBoundBeyond32Bits)
{
    EXPECT_THROW(DoubleArray({ 1.0, 2.0 }, INT32_MAX), Error);
    EXPECT_NO_THROW(DoubleArray({ 1.0 }, INT32_MAX));
    DoubleArray lowest({}, INT32_MIN);
    EXPECT_EQ(lowest.Count(), 0);
}

} // namespace
