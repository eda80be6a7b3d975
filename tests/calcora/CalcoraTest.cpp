// libcalcora: the properties the axis code relies on.
#include <calcora/Calcora.h>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

// The axis code clamps pixels with Less(x, 2147483647) and floors logarithms with
// More(value, 1e-9); a NaN in the first place must not leak out of the clamp.
TEST(Calcora, LessAndMore)
{
    EXPECT_EQ(Less(2.0, 1.0), 1.0);
    EXPECT_EQ(More(2.0, 1.0), 2.0);
    EXPECT_EQ(Less(-INFINITY, 1.0), -INFINITY);
    EXPECT_EQ(Less(nan, 2147483647.0), 2147483647.0);
    EXPECT_EQ(More(nan, 1e-9), 1e-9);
}

TEST(Calcora, CeilOfFractionsIsZeroOrOne)
{
    struct Case {
        const char* label;
        double x, expected;
    };
    const Case cases[] = {
        { "zero", 0.0, 0.0 },
        { "smallest subnormal", std::numeric_limits<double>::denorm_min(), 1.0 },
        { "tiny fraction", 1e-17, 1.0 },
        { "just below one", 0.9999999999999999, 1.0 },
        { "whole", 3.0, 3.0 },
        { "step times precision", 3.0000000000000004, 4.0 },
        { "negative fraction", -0.5, 0.0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Ceil(c.x), c.expected) << c.label;
}

// The step ladder reads the decimal exponent as the floor of Log10.
TEST(Calcora, Log10OfPowersOfTenHasTheExponentAsWholePart)
{
    for (int e = -300; e <= 300; ++e) {
        double x = std::pow(10.0, e);
        EXPECT_EQ(std::floor(Log10(x)), e) << "10^" << e;
        EXPECT_EQ(std::floor(Log10(x * 1.5)), e) << "1.5 * 10^" << e;
    }
    EXPECT_EQ(Log10(1e-9), -9.0);
}

} // namespace
