// AxisDesign_Logarithmic: the worked decade grids, the mapping example and bounds it refuses.
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vantrel/AxisDesign_Logarithmic.h>
#include <vantrel/Error.h>
#include <vector>

using namespace vantrel;

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

Ref<AxisFormat> Format(int32_t gridLines, double origin, int32_t precision = 3)
{
    auto format = std::make_shared<AxisFormat>();
    format->GridLines(gridLines);
    format->Origin(origin);
    format->ValuePrecision(precision);
    return format;
}

struct GridCase {
    const char* label;
    double lower, upper;
    int32_t n;
    double origin;
    double step;
    std::vector<double> values; // four significant digits
};

TEST(LogarithmicDesign, WorkedGrids)
{
    const GridCase cases[] = {
        { "1 to 1000, n 2", 1, 1000, 2, 1, 1, { 10, 100 } },
        { "origin 0 counts as 1e-9", 1, 1000, 2, 0, 1, { 10, 100 } },
        { "1 to 100000, n 4", 1, 100000, 4, 1, 1, { 10, 100, 1000, 10000 } },
        { "1 to 1000, n 4", 1, 1000, 4, 1, 0.6, { 3.981, 15.85, 63.1, 251.2 } },
        { "1 to 1000, n 10", 1, 1000, 10, 1, 0.30000000000000004,
            { 1.995, 3.981, 7.943, 15.85, 31.62, 63.1, 125.9, 251.2, 501.2 } },
        { "0.01 to 100, n 4", 0.01, 100, 4, 1, 0.8, { 0.02512, 0.1585, 1, 6.31, 39.81 } },
        { "reversed bounds", 1000, 1, 2, 1, 1, { 10, 100 } },
    };
    for (const auto& c : cases) {
        AxisDesign_Logarithmic design;
        ASSERT_TRUE(design.SetBounds(0, 300, c.lower, c.upper, Format(c.n, c.origin))) << c.label;
        EXPECT_TRUE(design.GridInit()) << c.label;
        EXPECT_DOUBLE_EQ(design.GridStep(), c.step) << c.label;
        ASSERT_EQ(design.GridCount(), static_cast<int32_t>(c.values.size())) << c.label;
        for (size_t i = 0; i < c.values.size(); ++i)
            EXPECT_NEAR(design.GridValue(static_cast<int32_t>(i)) / c.values[i], 1.0, 5e-4)
                << c.label << " value " << i;
    }
}

TEST(LogarithmicDesign, ValuePrecisionDoesNotTouchTheGrid)
{
    for (int32_t precision : { 0, 1, 5 }) {
        AxisDesign_Logarithmic design;
        ASSERT_TRUE(design.SetBounds(0, 300, 1, 1000, Format(4, 1, precision)));
        EXPECT_DOUBLE_EQ(design.GridStep(), 0.6) << "precision " << precision;
        EXPECT_EQ(design.GridCount(), 4) << "precision " << precision;
    }
}

TEST(LogarithmicDesign, MappingExample)
{
    AxisDesign_Logarithmic x;
    ASSERT_TRUE(x.SetBounds(0, 300, 1, 1000, Format(10, 1)));
    EXPECT_EQ(x.Conv(), 100);
    EXPECT_EQ(x.Offset(), 0);
    EXPECT_EQ(x.Min(), 1);
    EXPECT_EQ(x.Max(), 1000);
    EXPECT_EQ(x.GetPixel(10), 100);
    EXPECT_EQ(x.GetPixel(31.6227766), 150);
    EXPECT_EQ(x.GetPixel(0), -900);
    EXPECT_EQ(x.GetPixel(-5), -900);
    EXPECT_DOUBLE_EQ(x.GetValue(150), std::pow(10.0, 1.5));

    AxisDesign_Logarithmic reversed;
    ASSERT_TRUE(reversed.SetBounds(0, 300, 1000, 1, Format(10, 1)));
    EXPECT_EQ(reversed.Min(), 1);
    EXPECT_EQ(reversed.Max(), 1000);
    EXPECT_EQ(reversed.Conv(), -100);
    EXPECT_EQ(reversed.GetPixel(1000), 0);
}

TEST(LogarithmicDesign, PowerOverflowRaises)
{
    AxisDesign_Logarithmic x;
    ASSERT_TRUE(x.SetBounds(0, 300, 1, 1000, Format(10, 1)));
    try {
        x.GetValue(INT32_MAX);
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 6);
    }
}

TEST(LogarithmicDesign, RefusedBounds)
{
    struct Case {
        const char* label;
        double value1, value2;
    };
    const Case cases[] = {
        { "zero bound", 0, 100 },
        { "negative bound", -1, 100 },
        { "NaN bound", nan, 100 },
        { "both below 1e-9", 1e-12, 1e-10 },
        { "1e-9 and below share a logarithm", 1e-9, 1e-10 },
    };
    for (const auto& c : cases) {
        AxisDesign_Logarithmic design;
        EXPECT_FALSE(design.SetBounds(0, 300, c.value1, c.value2, Format(10, 1))) << c.label;
        EXPECT_FALSE(design.ConvInit()) << c.label;
        EXPECT_EQ(design.GetPixel(10), 0) << c.label;
        EXPECT_EQ(design.GetValue(10), 0.0) << c.label;
        EXPECT_EQ(design.GridCount(), 0) << c.label;
    }
}

TEST(LogarithmicDesign, NoGridAndAbsentFormat)
{
    AxisDesign_Logarithmic design;
    auto format = Format(10, 1);
    format->GridStyle(ggsNone);
    EXPECT_TRUE(design.SetBounds(0, 300, 1, 1000, format));
    EXPECT_FALSE(design.GridInit());
    EXPECT_FALSE(design.SetBounds(0, 300, 1, 1000, nullptr));
    EXPECT_EQ(design.Max(), 1000);
    EXPECT_EQ(design.TypeID(), 1);
}

} // namespace
