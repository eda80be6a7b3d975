// Test support for the plotting library: bitmaps on GDI device contexts, the GDI's own LineTo as
// the reference, and pixel comparison.
#pragma once

#include "gdi/Gdi.h"
#include "krevo/Krevo.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace krevo_test {

class TestBitmap {
public:
    TestBitmap(int32_t width, int32_t height, uint32_t fill = 0)
        : width_(width)
        , height_(height)
        , dc_(gdi::CreateCompatibleDC(0))
        , bitmap_(gdi::CreateBitmap32(width, height))
        , previous_(gdi::SelectObject(dc_, bitmap_))
    {
        gdi::SetBkMode(dc_, gdi::TRANSPARENT);
        std::fill_n(Data(), int64_t { width_ } * height_, fill);
    }
    ~TestBitmap()
    {
        gdi::SelectObject(dc_, previous_);
        gdi::DeleteDC(dc_);
        gdi::DeleteObject(bitmap_);
    }
    TestBitmap(const TestBitmap&) = delete;
    TestBitmap& operator=(const TestBitmap&) = delete;

    gdi::HDC Dc() const { return dc_; }
    int32_t Handle() const { return static_cast<int32_t>(dc_); }
    int32_t Width() const { return width_; }
    uint32_t At(int32_t x, int32_t y) const { return Data()[int64_t { y } * width_ + x]; }
    std::vector<uint32_t> Pixels() const
    {
        return std::vector<uint32_t>(Data(), Data() + int64_t { width_ } * height_);
    }
    int64_t CountNot(uint32_t color) const
    {
        return std::count_if(Data(), Data() + int64_t { width_ } * height_,
            [color](uint32_t p) { return p != color; });
    }
    void SetClip(const gdi::RECT& rect) const { gdi::SetClipRect(dc_, &rect); }

private:
    uint32_t* Data() const
    {
        gdi::Surface surface;
        gdi::GetSurface(dc_, &surface);
        return surface.pixels;
    }

    int32_t width_;
    int32_t height_;
    gdi::HDC dc_;
    gdi::HBITMAP bitmap_;
    gdi::HGDIOBJ previous_;
};

// Empty when the pictures agree, else how many pixels differ and the first of them.
inline std::string Difference(const TestBitmap& actual, const TestBitmap& expected)
{
    const std::vector<uint32_t> a = actual.Pixels();
    const std::vector<uint32_t> e = expected.Pixels();
    const auto count = std::inner_product(
        a.begin(), a.end(), e.begin(), int64_t { 0 }, std::plus<>(), std::not_equal_to<>());
    if (count == 0)
        return {};
    const size_t i
        = static_cast<size_t>(std::mismatch(a.begin(), a.end(), e.begin()).first - a.begin());
    std::ostringstream text;
    text << count << " pixels differ, first at (" << i % actual.Width() << ", "
         << i / actual.Width() << "): 0x" << std::hex << a[i] << " instead of 0x" << e[i];
    return text.str();
}

// The GDI drawing the same pen in the same mode: a polyline as MoveToEx + LineTo per point, a
// missing point breaking it. The pattern of a dashed pen restarts at every LineTo.
inline void ReferencePolyline(const TestBitmap& bitmap,
    const std::vector<std::optional<gdi::POINT>>& points, int32_t style, int32_t width,
    uint32_t color, int32_t rop2)
{
    const gdi::HPEN pen = gdi::CreatePen(style, width, color);
    const gdi::HGDIOBJ old = gdi::SelectObject(bitmap.Dc(), pen);
    const int32_t oldRop = gdi::SetROP2(bitmap.Dc(), rop2);
    bool open = false;
    for (const auto& point : points) {
        if (!point) {
            open = false;
            continue;
        }
        if (open)
            gdi::LineTo(bitmap.Dc(), point->x, point->y);
        else
            gdi::MoveToEx(bitmap.Dc(), point->x, point->y, nullptr);
        open = true;
    }
    gdi::SetROP2(bitmap.Dc(), oldRop);
    gdi::SelectObject(bitmap.Dc(), old);
    gdi::DeleteObject(pen);
}

// DrawGraph2 with explicit X and Y arrays in pixel units (identity transforms).
inline int32_t DrawPixels(const TestBitmap& bitmap, int32_t type, const std::vector<double>& x,
    const std::vector<double>& y)
{
    return DrawGraph2(bitmap.Handle(), type, x.data(), 1.0, 0.0, y.data(), 1.0, 0.0,
        static_cast<int32_t>(y.size()), 0);
}

} // namespace krevo_test
