// The linear and logarithmic designs: worked grids, mapping examples and set-ups that fail.
#include "vantrel/ErrorOf.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vantrel/AxisDesign_Linear.h>
#include <vantrel/AxisDesign_Logarithmic.h>
#include <vector>

using namespace vantrel;

namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

Ref<AxisDesign_Scaled> Make(bool log)
{
    if (log)
        return std::make_shared<AxisDesign_Logarithmic>();
    return std::make_shared<AxisDesign_Linear>();
}

Ref<AxisFormat> Format(int32_t gridLines, int32_t precision, double origin = 0,
    GraphGridStyleConstants style = ggsLines)
{
    auto format = std::make_shared<AxisFormat>();
    format->GridLines(gridLines);
    format->ValuePrecision(precision);
    format->Origin(origin);
    format->GridStyle(style);
    return format;
}

TEST(AxisDesigns, WorkedGrids)
{
    const struct {
        const char* label;
        bool log;
        double lower, upper;
        int32_t n, precision;
        double origin, step;
        std::optional<int32_t> first;
        std::vector<double> values; // logarithmic ones to four significant digits
    } cases[] = {
        { "0 to 10, n 4", false, 0, 10, 4, 2, 0, 2, 1, { 2, 4, 6, 8 } },
        { "-3 to 7", false, -3, 7, 4, 2, 0, 2, -1, { -2, 0, 2, 4, 6 } },
        { "0.5 to 10.5", false, 0.5, 10.5, 4, 2, 0, 2, 1, { 2, 4, 6, 8, 10 } },
        { "0 to 7, P 1", false, 0, 7, 4, 1, 0, 1.5, 1, { 1.5, 3, 4.5, 6 } },
        { "0 to 7, P 0 rounds 1.5 up", false, 0, 7, 4, 0, 0, 2, 1, { 2, 4, 6 } },
        { "-1 to 1", false, -1, 1, 9, 1, 0, 0.2, -4, { -.8, -.6, -.4, -.2, 0, .2, .4, .6, .8 } },
        { "0 to 0.001, P 2 leaves none", false, 0, 0.001, 4, 2, 0, 0.01, 1, {} },
        { "0 to 0.001, P 5", false, 0, 0.001, 4, 5, 0, 0.0002, 1, { 2e-4, 4e-4, 6e-4, 8e-4 } },
        { "0.30000000000000004 up to 0.4", false, 0, 1.2, 3, 1, 0, 0.4, 1, { 0.4, 0.8 } },
        { "origin outside the range", false, 3, 9, 2, 2, 0.5, 2, 2, { 4.5, 6.5, 8.5 } },
        { "reversed bounds", false, 10, 0, 4, 2, 0, 2, 1, { 2, 4, 6, 8 } },
        { "log 1 to 1000, n 2", true, 1, 1000, 2, 3, 1, 1, {}, { 10, 100 } },
        { "log origin 0 counts as 1e-9", true, 1, 1000, 2, 3, 0, 1, {}, { 10, 100 } },
        // The logarithmic grid ignores ValuePrecision: 0 and 5 leave 0.6 and 0.3 decades.
        { "log 1 to 1000, n 4", true, 1, 1000, 4, 0, 1, 0.6, {}, { 3.981, 15.85, 63.1, 251.2 } },
        { "log 1 to 1000, n 10", true, 1, 1000, 10, 5, 1, 0.30000000000000004, {},
            { 1.995, 3.981, 7.943, 15.85, 31.62, 63.1, 125.9, 251.2, 501.2 } },
        { "log 0.01 to 100", true, 0.01, 100, 4, 3, 1, 0.8, {}, { .02512, .1585, 1, 6.31, 39.81 } },
        { "log reversed bounds", true, 1000, 1, 2, 3, 1, 1, {}, { 10, 100 } },
    };
    for (const auto& c : cases) {
        auto design = Make(c.log);
        ASSERT_TRUE(design->SetBounds(0, 300, c.lower, c.upper, Format(c.n, c.precision, c.origin)))
            << c.label;
        EXPECT_TRUE(design->GridInit()) << c.label;
        EXPECT_DOUBLE_EQ(design->GridStep(), c.step) << c.label;
        if (c.first) {
            EXPECT_EQ(design->GridFirst(), *c.first) << c.label;
        }
        ASSERT_EQ(design->GridCount(), static_cast<int32_t>(c.values.size())) << c.label;
        for (int32_t i = 0; i < design->GridCount(); ++i) {
            const double expected = c.values[static_cast<size_t>(i)];
            const double tolerance = c.log ? 5e-4 * expected : 1e-12;
            EXPECT_NEAR(design->GridValue(i), expected, tolerance) << c.label << " value " << i;
        }
    }
}

TEST(AxisDesigns, MappingExamples)
{
    const struct {
        const char* label;
        bool log;
        int32_t pixel1, pixel2;
        double value1, value2, conv, offset, min, max;
    } setups[] = {
        { "x 0 to 10", false, 0, 500, 0, 10, 50, 0, 0, 10 },
        { "y 0 to 10", false, 300, 0, 0, 10, -30, 300, 0, 10 },
        { "x 10 to 0", false, 0, 500, 10, 0, -50, 500, 0, 10 },
        { "log x 1 to 1000", true, 0, 300, 1, 1000, 100, 0, 1, 1000 },
        { "log x 1000 to 1", true, 0, 300, 1000, 1, -100, 300, 1, 1000 },
    };
    std::vector<Ref<AxisDesign_Scaled>> designs;
    for (const auto& s : setups) {
        auto& d = *designs.emplace_back(Make(s.log));
        ASSERT_TRUE(d.SetBounds(s.pixel1, s.pixel2, s.value1, s.value2, Format(10, 3))) << s.label;
        EXPECT_EQ(std::tuple(d.Conv(), d.Offset(), d.Min(), d.Max()),
            std::tuple(s.conv, s.offset, s.min, s.max))
            << s.label;
    }
    const struct {
        size_t setup;
        double value;
        int32_t pixel;
    } pixels[] = {
        { 0, 2.25, 112 }, // 112.5 ties to even
        { 0, 2.75, 138 }, // 137.5 ties to even
        { 0, 1e300, INT32_MAX }, // clamped
        { 0, -1e300, INT32_MIN },
        { 1, 5, 150 },
        { 3, 10, 100 },
        { 3, 31.6227766, 150 },
        { 3, 0, -900 }, // 0 and below sit where 1e-9 would
        { 3, -5, -900 },
        { 4, 1000, 0 },
    };
    for (const auto& p : pixels)
        EXPECT_EQ(designs[p.setup]->GetPixel(p.value), p.pixel)
            << setups[p.setup].label << " GetPixel " << p.value;
    EXPECT_EQ(designs[1]->GetValue(0), 10);
    EXPECT_DOUBLE_EQ(designs[3]->GetValue(150), std::pow(10.0, 1.5));
    EXPECT_EQ(test::ErrorOf([&] { designs[3]->GetValue(INT32_MAX); }), 6) << "10^x overflows";
}

TEST(AxisDesigns, FailedConversionSetsBoundsAndAnswersZero)
{
    const struct {
        const char* label;
        bool log;
        int32_t pixel1, pixel2;
        double value1, value2, min, max;
    } cases[] = {
        { "equal pixels", false, 0, 0, 0, 10, 0, 10 },
        { "equal values", false, 0, 500, 5, 5, 5, 5 },
        { "NaN bound counts as equal", false, 0, 500, nan, 10, 10, 10 },
        { "pixel difference overflows", false, INT32_MIN, INT32_MAX, 0, 10, 0, 10 },
        { "infinite bound gives a zero slope", false, 0, 500, 0, inf, 0, inf },
        { "log zero bound", true, 0, 300, 0, 100, 0, 100 },
        { "log 1e-9 and below share a logarithm", true, 0, 300, 1e-9, 1e-10, 1e-10, 1e-9 },
    };
    for (const auto& c : cases) {
        auto design = Make(c.log);
        // A working set-up first, so that the failure has something to clear.
        ASSERT_TRUE(design->SetBounds(0, 500, 1, 10, Format(4, 2)));
        EXPECT_FALSE(design->SetBounds(c.pixel1, c.pixel2, c.value1, c.value2, Format(4, 2)))
            << c.label;
        EXPECT_FALSE(design->ConvInit()) << c.label;
        EXPECT_EQ(std::tuple(design->Min(), design->Max()), std::tuple(c.min, c.max)) << c.label;
        EXPECT_EQ(std::tuple(design->GetPixel(5), design->GetValue(100), design->GridCount(),
                      design->GridValue(0)),
            std::tuple(0, 0.0, 0, 0.0))
            << c.label;
    }
}

TEST(AxisDesigns, FailedOrAbsentGridKeepsTheConversion)
{
    const struct {
        const char* label;
        bool log;
        Ref<AxisFormat> format;
        bool result;
    } cases[] = {
        // 10^400 overflows; 10^-400 is 0 and the rounding divides 0 by 0.
        { "precision 400", false, Format(4, 400), false },
        { "precision -400", false, Format(4, -400), false },
        { "absent format", false, nullptr, false },
        { "no grid style", false, Format(4, 2, 0, ggsNone), true },
    };
    for (const auto& c : cases) {
        auto design = Make(c.log);
        EXPECT_EQ(design->SetBounds(0, 500, 10, 1, c.format), c.result) << c.label;
        EXPECT_EQ(std::tuple(design->ConvInit(), design->GridInit(), design->Min(), design->Max()),
            std::tuple(true, false, 1.0, 10.0))
            << c.label;
        EXPECT_EQ(design->GridCount(), 0) << c.label << ": a fresh design has no grid";
    }

    // Without a grid style the count still answers from the last grid of the same design.
    AxisDesign_Linear used;
    ASSERT_TRUE(used.SetBounds(0, 500, 0, 10, Format(4, 2)));
    EXPECT_TRUE(used.SetBounds(0, 500, 0, 20, Format(4, 2, 0, ggsNone)));
    EXPECT_EQ(std::tuple(used.GridInit(), used.GridCount()), std::tuple(false, 4));
}

} // namespace
