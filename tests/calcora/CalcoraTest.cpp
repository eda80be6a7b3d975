// libcalcora: the NaN order of Less and More that the axis code relies on. Log10 and Ceil are the
// standard library's and are not re-tested here.
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

} // namespace
