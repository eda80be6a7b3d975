// AxisDesign_Linear: the worked grids, the mapping examples and set-ups that must fail.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vantrel/AxisDesign_Linear.h>
#include <vantrel/Error.h>
#include <vector>

using namespace vantrel;

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

Ref<AxisFormat> Format(int32_t gridLines, int32_t precision, double origin = 0.0,
    GraphGridStyleConstants style = ggsLines)
{
    auto format = std::make_shared<AxisFormat>();
    format->GridLines(gridLines);
    format->ValuePrecision(precision);
    format->Origin(origin);
    format->GridStyle(style);
    return format;
}

std::vector<double> GridValues(const AxisDesign& design)
{
    std::vector<double> values;
    for (int32_t i = 0; i < design.GridCount(); ++i)
        values.push_back(design.GridValue(i));
    return values;
}

void ExpectValues(
    const std::vector<double>& actual, const std::vector<double>& expected, const char* label)
{
    ASSERT_EQ(actual.size(), expected.size()) << label;
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-12) << label << " value " << i;
}

struct GridCase {
    const char* label;
    double lower, upper;
    int32_t n, precision;
    double origin;
    double step;
    int32_t first;
    std::vector<double> values;
};

TEST(LinearDesign, WorkedGrids)
{
    const GridCase cases[] = {
        { "0 to 10, n 4", 0, 10, 4, 2, 0, 2, 1, { 2, 4, 6, 8 } },
        { "0 to 10, n 5", 0, 10, 5, 2, 0, 2, 1, { 2, 4, 6, 8 } },
        { "0 to 100, n 3", 0, 100, 3, 2, 0, 25, 1, { 25, 50, 75 } },
        { "-3 to 7", -3, 7, 4, 2, 0, 2, -1, { -2, 0, 2, 4, 6 } },
        { "0.5 to 10.5", 0.5, 10.5, 4, 2, 0, 2, 1, { 2, 4, 6, 8, 10 } },
        { "0 to 7, P 1", 0, 7, 4, 1, 0, 1.5, 1, { 1.5, 3, 4.5, 6 } },
        { "0 to 7, P 0 rounds 1.5 up", 0, 7, 4, 0, 0, 2, 1, { 2, 4, 6 } },
        { "-1 to 1, n 9", -1, 1, 9, 1, 0, 0.2, -4,
            { -0.8, -0.6, -0.4, -0.2, 0, 0.2, 0.4, 0.6, 0.8 } },
        { "0 to 0.001, P 2 leaves none", 0, 0.001, 4, 2, 0, 0.01, 1, {} },
        { "0 to 0.001, P 5", 0, 0.001, 4, 5, 0, 0.0002, 1, { 0.0002, 0.0004, 0.0006, 0.0008 } },
        { "0.30000000000000004 rounds up to 0.4", 0, 1.2, 3, 1, 0, 0.4, 1, { 0.4, 0.8 } },
        { "P 0 on 0 to 1", 0, 1, 4, 0, 0, 1, 1, {} },
        { "origin outside the range", 3, 9, 2, 2, 0.5, 2, 2, { 4.5, 6.5, 8.5 } },
        { "power of ten step", 0, 1, 9, 3, 0, 0.1, 1,
            { 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9 } },
        { "reversed bounds", 10, 0, 4, 2, 0, 2, 1, { 2, 4, 6, 8 } },
    };
    for (const auto& c : cases) {
        AxisDesign_Linear design;
        ASSERT_TRUE(design.SetBounds(0, 500, c.lower, c.upper, Format(c.n, c.precision, c.origin)))
            << c.label;
        EXPECT_TRUE(design.GridInit()) << c.label;
        EXPECT_DOUBLE_EQ(design.GridStep(), c.step) << c.label;
        EXPECT_EQ(design.GridFirst(), c.first) << c.label;
        ExpectValues(GridValues(design), c.values, c.label);
    }
}

TEST(LinearDesign, MappingExamples)
{
    AxisDesign_Linear x;
    ASSERT_TRUE(x.SetBounds(0, 500, 0, 10, Format(10, 3)));
    EXPECT_EQ(x.Conv(), 50);
    EXPECT_EQ(x.Offset(), 0);
    EXPECT_EQ(x.GetPixel(2.25), 112);
    EXPECT_EQ(x.GetPixel(2.75), 138);
    EXPECT_EQ(x.GetPixel(1e300), INT32_MAX);
    EXPECT_EQ(x.GetPixel(-1e300), INT32_MIN);

    AxisDesign_Linear y;
    ASSERT_TRUE(y.SetBounds(300, 0, 0, 10, Format(10, 3)));
    EXPECT_EQ(y.Conv(), -30);
    EXPECT_EQ(y.Offset(), 300);
    EXPECT_EQ(y.GetPixel(5), 150);
    EXPECT_EQ(y.GetValue(0), 10);

    AxisDesign_Linear reversed;
    ASSERT_TRUE(reversed.SetBounds(0, 500, 10, 0, Format(10, 3)));
    EXPECT_EQ(reversed.Min(), 0);
    EXPECT_EQ(reversed.Max(), 10);
    EXPECT_EQ(reversed.Conv(), -50);
    EXPECT_EQ(reversed.Offset(), 500);
}

TEST(LinearDesign, FailedConversionLeavesBoundsAndAnswersZero)
{
    struct Case {
        const char* label;
        int32_t pixel1, pixel2;
        double value1, value2, min, max;
    };
    const Case cases[] = {
        { "equal pixels", 0, 0, 0, 10, 0, 10 },
        { "equal values", 0, 500, 5, 5, 5, 5 },
        { "NaN bound counts as equal", 0, 500, nan, 10, 10, 10 },
        { "pixel difference overflows", INT32_MIN, INT32_MAX, 0, 10, 0, 10 },
        { "value range overflows", 0, 500, -1e308, 1e308, -1e308, 1e308 },
        { "infinite bound gives a zero slope", 0, 500, 0, inf, 0, inf },
        { "slope overflows", 0, 500, 0, 1e-320, 0, 1e-320 },
    };
    for (const auto& c : cases) {
        AxisDesign_Linear design;
        // A working set-up first, so that the failure has something to clear.
        ASSERT_TRUE(design.SetBounds(0, 500, 0, 10, Format(4, 2)));
        EXPECT_FALSE(design.SetBounds(c.pixel1, c.pixel2, c.value1, c.value2, Format(4, 2)))
            << c.label;
        EXPECT_FALSE(design.ConvInit()) << c.label;
        EXPECT_EQ(design.Min(), c.min) << c.label;
        EXPECT_EQ(design.Max(), c.max) << c.label;
        EXPECT_EQ(design.GetPixel(5), 0) << c.label;
        EXPECT_EQ(design.GetValue(100), 0.0) << c.label;
        EXPECT_EQ(design.GridCount(), 0) << c.label;
        EXPECT_EQ(design.GridValue(0), 0.0) << c.label;
    }
}

TEST(LinearDesign, FailedGridKeepsTheConversion)
{
    struct Case {
        const char* label;
        int32_t precision;
    };
    // 10^400 overflows; 10^-400 is 0 and the rounding divides 0 by 0.
    const Case cases[] = { { "precision 400", 400 }, { "precision -400", -400 } };
    for (const auto& c : cases) {
        AxisDesign_Linear design;
        EXPECT_FALSE(design.SetBounds(0, 500, 0, 10, Format(4, c.precision))) << c.label;
        EXPECT_TRUE(design.ConvInit()) << c.label;
        EXPECT_FALSE(design.GridInit()) << c.label;
        EXPECT_EQ(design.GetPixel(2.25), 112) << c.label;
    }
}

TEST(LinearDesign, NoGridStyleSucceedsWithoutGrid)
{
    AxisDesign_Linear fresh;
    EXPECT_TRUE(fresh.SetBounds(0, 500, 0, 10, Format(4, 2, 0, ggsNone)));
    EXPECT_FALSE(fresh.GridInit());
    EXPECT_EQ(fresh.GridCount(), 0);

    // The count still answers from the last grid computed by the same design.
    AxisDesign_Linear used;
    ASSERT_TRUE(used.SetBounds(0, 500, 0, 10, Format(4, 2)));
    EXPECT_TRUE(used.SetBounds(0, 500, 0, 20, Format(4, 2, 0, ggsNone)));
    EXPECT_FALSE(used.GridInit());
    EXPECT_EQ(used.GridCount(), 4);
}

TEST(LinearDesign, AbsentFormatFailsAfterSettingBounds)
{
    AxisDesign_Linear design;
    EXPECT_FALSE(design.SetBounds(0, 500, 10, 0, nullptr));
    EXPECT_EQ(design.Min(), 0);
    EXPECT_EQ(design.Max(), 10);
    EXPECT_FALSE(design.GridInit());
}

} // namespace
