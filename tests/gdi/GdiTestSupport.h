// Test helpers: a DC with its own bitmap, objects selected for a scope, seeded randomness and
// golden images.
#pragma once

#include "gdi/Gdi.h"
#include "support/GoldenImage.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace gdi::test {

// Pixels as COLORREF values (0x00BBGGRR), rows top-down; compared with tests/golden/<name>.png by
// CompareWithGolden, shared with the render suites.
using Image = vantrel::hostkit::PixelImage;
using vantrel::testsupport::CompareWithGolden;

// A memory DC with a fresh bitmap filled with `background`; both deleted at the end of the scope.
class PaintBox {
public:
    PaintBox(int32_t width, int32_t height, COLORREF background = 0x00FFFFFFu)
        : dc_(CreateCompatibleDC(0))
        , bitmap_(CreateBitmap32(width, height))
        , oldBitmap_(SelectObject(dc_, bitmap_))
        , width_(width)
        , height_(height)
    {
        const HBRUSH brush = CreateSolidBrush(background);
        const RECT all { 0, 0, width, height };
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~PaintBox()
    {
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    PaintBox(const PaintBox&) = delete;
    PaintBox& operator=(const PaintBox&) = delete;

    HDC Dc() const { return dc_; }
    uint32_t At(int32_t x, int32_t y) const { return GetPixel(dc_, x, y); }
    // Sets every pixel to colourAt(x, y), whatever the clip and raster operation.
    template <class ColourAt> void Paint(ColourAt colourAt) const
    {
        Surface surface;
        GetSurface(dc_, &surface);
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x)
                surface.pixels[y * surface.stride + x] = colourAt(x, y);
    }
    // Reads the bitmap directly, so pixels outside the clip rectangle are included.
    Image Snapshot() const
    {
        Surface surface;
        GetSurface(dc_, &surface);
        Image image(width_, height_);
        image.pixels.assign(surface.pixels, surface.pixels + image.pixels.size());
        return image;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
    int32_t width_;
    int32_t height_;
};

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
