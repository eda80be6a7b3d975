// The call contract: refused input, DeInterleave, the process-wide drawing state and extreme
// values that must neither crash nor paint garbage. Log10Array is seen in the logarithmic goldens.
#include "KrevoTestSupport.h"

#include <gtest/gtest.h>
#include <limits>

using namespace krevo_test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

TEST(Contract, DrawGraph2RefusesBadInput)
{
    const gdi::Pixmap bitmap = Bitmap(8, 8);
    const double values[2] = { 1, 2 };
    struct Row {
        const char* label;
        int32_t hdc, type;
        const double *x, *y;
        int32_t count, flag, expected;
    };
    const int32_t dc = Handle(bitmap);
    const Row rows[] = {
        { "type below 0", dc, -1, values, values, 2, 0, KrevoBadValue },
        { "type above 6", dc, 7, values, values, 2, 0, KrevoBadValue },
        { "negative count", dc, 0, values, values, -1, 0, KrevoBadValue },
        { "flag 2", dc, 0, values, values, 2, 2, KrevoBadValue },
        { "null x", dc, 0, nullptr, values, 2, 0, KrevoNullPointer },
        { "null y", dc, 0, values, nullptr, 2, 1, KrevoNullPointer },
        { "no DC", 0, 0, values, values, 2, 0, KrevoBadDeviceContext },
        { "unknown handle", 0x7FFF1234, 0, values, values, 2, 0, KrevoBadDeviceContext },
        { "nothing to draw, null arrays", dc, 0, nullptr, nullptr, 0, 0, KrevoDone },
    };
    for (const Row& row : rows)
        EXPECT_EQ(DrawGraph2(row.hdc, row.type, row.x, 1, 0, row.y, 1, 0, row.count, row.flag),
            row.expected)
            << row.label;
    EXPECT_EQ(CountNot(bitmap, 0), 0);
}

// The drawing state is process-wide: a refused setter keeps it, and every DC sees it.
TEST(Contract, RefusedSettersKeepTheSharedState)
{
    ASSERT_EQ(SetDrawMode(gdi::R2_XORPEN), KrevoDone);
    EXPECT_EQ(SetDrawMode(0), KrevoBadValue);
    EXPECT_EQ(SetDrawMode(17), KrevoBadValue);
    // The pen's colour keeps its 24 bits only, as CreatePen keeps them.
    SetPenProperties(gdi::PS_SOLID, 1, static_cast<int32_t>(0x80FFFFFFu));
    const gdi::Pixmap first = Bitmap(8, 8, 0x00FFFFFF);
    const gdi::Pixmap second = Bitmap(8, 8, 0x00FFFFFF);
    ASSERT_EQ(DrawPixels(first, 3, { 2 }, { 2 }), KrevoDone);
    ASSERT_EQ(DrawPixels(second, 3, { 2 }, { 2 }), KrevoDone);
    EXPECT_EQ(first.At(2, 2), 0u) << "still XOR";
    EXPECT_EQ(Difference(first, second), "");

    ASSERT_EQ(SetCirclePixelRadius(2), KrevoDone);
    EXPECT_EQ(SetCirclePixelRadius(-1), KrevoBadValue);
    EXPECT_EQ(SetCirclePixelRadius(32768), KrevoBadValue);
    ASSERT_EQ(SetCubicFitPixelInterval(3.0), 3.0);
    for (const double refused : { 0.0, -1.0, 0.01, kNaN, kInf })
        EXPECT_EQ(SetCubicFitPixelInterval(refused), 3.0) << refused;

    SetPenProperties(gdi::PS_NULL, 3, 0x00FFFFFF);
    ASSERT_EQ(DrawPixels(first, 0, { 0, 7 }, { 0, 7 }), KrevoDone);
    EXPECT_EQ(Difference(first, second), "") << "style 5 draws nothing";
}

TEST(Contract, DeInterleaveCopiesEveryStepthValueOrRefuses)
{
    const double source[7] = { 10, 11, 12, 13, 14, 15, 16 };
    struct Row {
        const char* label;
        int32_t count, start, step, expected;
        std::vector<double> values; // the destination afterwards, zeros when refused
    };
    const Row rows[] = {
        { "odd half", 3, 1, 2, KrevoDone, { 11, 13, 15 } },
        { "backwards", 3, 6, -3, KrevoDone, { 16, 13, 10 } },
        { "last index past the source", 4, 1, 2, KrevoOutOfRange, { 0, 0, 0, 0 } },
        { "index overflowing 32 bits", 3, 1, INT32_MAX, KrevoOutOfRange, { 0, 0, 0 } },
    };
    for (const Row& row : rows) {
        std::vector<double> destination(row.values.size(), 0.0);
        EXPECT_EQ(DeInterleave(source, 7, destination.data(), row.count, row.start, row.step),
            row.expected)
            << row.label;
        EXPECT_EQ(destination, row.values) << row.label;
    }
    double one = 0;
    EXPECT_EQ(DeInterleave(source, -1, &one, 1, 0, 1), KrevoBadValue);
    EXPECT_EQ(DeInterleave(nullptr, 1, &one, 1, 0, 1), KrevoNullPointer);
}

// Every type, flag and pen width over every transform: no crash, no sanitizer report, and nothing
// painted where no point has a pixel position.
TEST(Contract, ExtremeValuesAndTransformsPaintNoGarbage)
{
    SetDrawMode(gdi::R2_COPYPEN);
    SetCirclePixelRadius(2);
    SetCubicFitPixelInterval(1.0);
    const std::vector<double> x = { -kMax, 1, kMax, 2, kNaN, 3, -0.0, 4, 2147483647.4, 1e-300 };
    const std::vector<double> y = { 1, kMax, 2, -kMax, 3, kInf, 4, -2147483648.6, 5, 2 };
    struct Transform {
        const char* label;
        double xConv, xOffset, yConv, yOffset;
        bool blank;
    };
    const Transform transforms[] = {
        { "identity", 1, 0, 1, 0, false },
        { "huge scale", 1e300, 0, -1e300, 5, false },
        { "zero scale", 0, 3, 0, 3, false },
        { "NaN scale", kNaN, 0, 1, 0, true },
        { "infinite offset", 1, kInf, 1, 0, true },
    };
    for (const Transform& t : transforms)
        for (int32_t type = 0; type <= 6; ++type)
            for (const int32_t flag : { 0, 1 })
                for (const int32_t width : { 1, 4 }) {
                    SetPenProperties(gdi::PS_DASH, width, 0x00FFFFFF);
                    const gdi::Pixmap bitmap = Bitmap(10, 10);
                    EXPECT_EQ(DrawGraph2(Handle(bitmap), type, x.data(), t.xConv, t.xOffset,
                                  y.data(), t.yConv, t.yOffset, 10, flag),
                        KrevoDone)
                        << t.label << ", type " << type << ", flag " << flag << ", width " << width;
                    EXPECT_TRUE(!t.blank || CountNot(bitmap, 0) == 0)
                        << t.label << ", type " << type;
                }
}

} // namespace
