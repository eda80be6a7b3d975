// Single segments of the plotting library against the GDI's own MoveToEx/LineTo, on seeded
// random segments: thin and wide pens, dashes, draw modes, clip rectangles, huge coordinates.
#include "KrevoTestSupport.h"

#include <gtest/gtest.h>
#include <random>

using namespace krevo_test;

namespace {

struct PenCase {
    const char* label;
    int32_t style;
    int32_t minWidth;
    int32_t maxWidth;
    int32_t rop2;
};

// Coordinates mostly near the picture, some far off it, some at the ends of the 32-bit range.
int32_t RandomCoordinate(std::mt19937& random, int32_t size)
{
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    if (kind == 0)
        return std::uniform_int_distribution<int32_t>(INT32_MIN, INT32_MAX)(random);
    if (kind == 1)
        return std::uniform_int_distribution<int32_t>(-100000, 100000)(random);
    return std::uniform_int_distribution<int32_t>(-20, size + 20)(random);
}

class SegmentTwin : public testing::TestWithParam<PenCase> { };

TEST_P(SegmentTwin, SetsTheSamePixelsAsLineTo)
{
    const PenCase pen = GetParam();
    const uint32_t seed
        = 20240611u + static_cast<uint32_t>(pen.style * 131 + pen.rop2 * 7 + pen.minWidth);
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    const gdi::Pixmap actual = Bitmap(61, 47, 0x00123456u);
    const gdi::Pixmap expected = Bitmap(61, 47, 0x00123456u);
    ASSERT_EQ(SetDrawMode(pen.rop2), KrevoDone);
    for (int round = 0; round < 400; ++round) {
        const int32_t width
            = std::uniform_int_distribution<int32_t>(pen.minWidth, pen.maxWidth)(random);
        const uint32_t color = random() & 0x00FFFFFFu;
        ASSERT_EQ(SetPenProperties(pen.style, width, static_cast<int32_t>(color)), KrevoDone);
        if (round % 3 == 0) {
            const int32_t left = std::uniform_int_distribution<int32_t>(-5, 40)(random);
            const int32_t top = std::uniform_int_distribution<int32_t>(-5, 30)(random);
            const gdi::RECT clip { left, top, left + 25, top + 20 };
            SetClip(actual, clip);
            SetClip(expected, clip);
        } else {
            gdi::ResetClip(actual.Dc());
            gdi::ResetClip(expected.Dc());
        }
        const gdi::POINT a { RandomCoordinate(random, 61), RandomCoordinate(random, 47) };
        gdi::POINT b { RandomCoordinate(random, 61), RandomCoordinate(random, 47) };
        if (round % 10 == 0)
            b = a; // zero length: nothing, or a wide pen's dot
        ReferencePolyline(expected, { a, b }, pen.style, width, color, pen.rop2);
        ASSERT_EQ(DrawPixels(actual, 0, { double(a.x), double(b.x) }, { double(a.y), double(b.y) }),
            KrevoDone);
        const std::string difference = Difference(actual, expected);
        ASSERT_TRUE(difference.empty())
            << "round " << round << " (" << a.x << ", " << a.y << ") -> (" << b.x << ", " << b.y
            << ") width " << width << ": " << difference;
    }
}

INSTANTIATE_TEST_SUITE_P(Pens, SegmentTwin,
    testing::Values(PenCase { "thin_copy", gdi::PS_SOLID, 0, 1, gdi::R2_COPYPEN },
        PenCase { "thin_xor", gdi::PS_SOLID, 0, 1, gdi::R2_XORPEN },
        PenCase { "thin_merge", gdi::PS_INSIDEFRAME, 1, 1, gdi::R2_MERGEPEN },
        PenCase { "dash_copy", gdi::PS_DASH, 0, 1, gdi::R2_COPYPEN },
        PenCase { "dot_xor", gdi::PS_DOT, 1, 1, gdi::R2_XORPEN },
        PenCase { "dashdot_copy", gdi::PS_DASHDOT, 0, 1, gdi::R2_COPYPEN },
        PenCase { "dashdotdot_not", gdi::PS_DASHDOTDOT, 0, 1, gdi::R2_NOT },
        PenCase { "wide_copy", gdi::PS_SOLID, 2, 9, gdi::R2_COPYPEN },
        PenCase { "wide_dashed_xor", gdi::PS_DASH, 2, 6, gdi::R2_XORPEN }),
    [](const testing::TestParamInfo<PenCase>& info) { return std::string(info.param.label); });

} // namespace
