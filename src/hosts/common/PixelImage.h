// 32-bit pixels: images held by value, views that borrow them, rectangles. Pixels 0x00BBGGRR,
// rows top-down.
#pragma once

#include <cstdint>
#include <vector>

namespace vantrel::hostkit {

// A rectangle of pixels, half-open: right and bottom are outside.
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const PixelRect&) const = default;
};

// Pixels borrowed from their owner, 0x00BBGGRR (the top byte is not meaningful), rows
// top-down, `stride` pixels apart.
struct PixelView {
    const uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
};

struct PixelImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels; // width * height values

    PixelImage() = default;
    PixelImage(int32_t w, int32_t h, uint32_t fill = 0)
        : width(w)
        , height(h)
        , pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill)
    {
    }

    bool Contains(int32_t x, int32_t y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height;
    }
    uint32_t& At(int32_t x, int32_t y) { return pixels[Index(x, y)]; }
    uint32_t At(int32_t x, int32_t y) const { return pixels[Index(x, y)]; }

    bool operator==(const PixelImage&) const = default;

private:
    std::size_t Index(int32_t x, int32_t y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width)
            + static_cast<std::size_t>(x);
    }
};

} // namespace vantrel::hostkit
