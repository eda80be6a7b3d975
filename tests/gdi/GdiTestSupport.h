// Test helpers: a DC with its own bitmap, objects selected for a scope, seeded randomness and
// golden images.
#pragma once

#include "gdi/Gdi.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace gdi::test {

// Pixels as COLORREF values (0x00BBGGRR), rows top-down.
struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    bool operator==(const Image&) const = default;
};

// Compares `actual` with tests/golden/<name>.png; with UPDATE_GOLDENS=1 in the environment the
// reference is rewritten instead. On a mismatch writes <name>-actual.png into the test output
// folder and returns a description; returns "" on success. (PngTestUtil.cpp)
std::string CompareWithGolden(const std::string& name, const Image& actual);

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
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    uint32_t At(int32_t x, int32_t y) const { return GetPixel(dc_, x, y); }
    // Reads the bitmap directly, so pixels outside the clip rectangle are included.
    Image Snapshot() const
    {
        Surface surface;
        GetSurface(dc_, &surface);
        return { width_, height_,
            { surface.pixels, surface.pixels + static_cast<size_t>(width_) * height_ } };
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ oldBitmap_;
    int32_t width_;
    int32_t height_;
};

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
