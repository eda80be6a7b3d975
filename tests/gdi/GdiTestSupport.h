// Test helpers: pixmaps painted pixel by pixel, objects selected for a scope, seeded randomness
// and golden images.
#pragma once

#include "gdi/Gdi.h"
#include "gdi/Pixmap.h"
#include "support/GoldenImage.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace gdi {

// What a failed comparison of two pixmaps prints: the size and the first differing pixel is left
// to the assertion's own message.
inline void PrintTo(const Pixmap& pixmap, std::ostream* out)
{
    *out << pixmap.Width() << " x " << pixmap.Height() << " pixmap";
}

} // namespace gdi

namespace gdi::test {

using testsupport::CompareWithGolden;

// The background of most test pictures.
constexpr COLORREF white = 0x00FFFFFFu;

// Sets every pixel to colourAt(x, y), whatever the clip and raster operation.
template <class ColourAt> void Paint(const Pixmap& box, ColourAt colourAt)
{
    const PixelView view = box.View();
    for (int32_t y = 0; y < view.height; ++y)
        for (int32_t x = 0; x < view.width; ++x)
            view.At(x, y) = colourAt(x, y);
}

inline BOOL Line(HDC dc, int32_t x0, int32_t y0, int32_t x1, int32_t y1)
{
    return MoveToEx(dc, x0, y0, nullptr) && LineTo(dc, x1, y1);
}

// Selects `object` for the scope, then puts the previous object back and deletes `object`.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object)
        : dc_(dc)
        , object_(object)
        , previous_(SelectObject(dc, object))
    {
    }
    ~Selected()
    {
        SelectObject(dc_, previous_);
        DeleteObject(object_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ previous_;
};

// A seed from GDI_TEST_SEED or a fresh one, printed so that a failure can be replayed.
inline uint32_t TestSeed()
{
    const char* fixed = std::getenv("GDI_TEST_SEED");
    const uint32_t seed
        = fixed ? static_cast<uint32_t>(std::strtoul(fixed, nullptr, 10)) : std::random_device {}();
    std::printf("seed %u (replay with GDI_TEST_SEED=%u)\n", seed, seed);
    return seed;
}

// Fails the test on leaked pens, brushes, bitmaps or DCs (stock objects are not counted).
class GdiTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(LiveObjectCount(0), 0) << "GDI objects leaked"; }
};

} // namespace gdi::test
