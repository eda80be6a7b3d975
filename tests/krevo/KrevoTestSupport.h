// Test support for the plotting library: pixmaps to draw on, the GDI's own LineTo as the
// reference, and pixel comparison.
#pragma once

#include "gdi/Gdi.h"
#include "gdi/Pixmap.h"
#include "krevo/Krevo.h"

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace krevo_test {

// A pixmap filled with `fill`, background mode TRANSPARENT, so that the reference's dashed pens
// leave their gaps alone as the plotting library does.
inline gdi::Pixmap Bitmap(int32_t width, int32_t height, uint32_t fill = 0)
{
    gdi::Pixmap bitmap(width, height, fill);
    gdi::SetBkMode(bitmap.Dc(), gdi::TRANSPARENT);
    return bitmap;
}

// The DC as the plotting library takes it.
inline int32_t Handle(const gdi::Pixmap& bitmap) { return static_cast<int32_t>(bitmap.Dc()); }

inline int64_t CountNot(const gdi::Pixmap& bitmap, uint32_t color)
{
    int64_t count = 0;
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        for (int32_t x = 0; x < bitmap.Width(); ++x)
            count += bitmap.At(x, y) != color;
    return count;
}

inline void SetClip(const gdi::Pixmap& bitmap, const gdi::RECT& rect)
{
    gdi::SetClipRect(bitmap.Dc(), &rect);
}

// Empty when the pictures agree, else how many pixels differ and the first of them.
inline std::string Difference(const gdi::Pixmap& actual, const gdi::Pixmap& expected)
{
    int64_t count = 0;
    std::optional<gdi::POINT> first;
    for (int32_t y = 0; y < actual.Height(); ++y)
        for (int32_t x = 0; x < actual.Width(); ++x)
            if (actual.At(x, y) != expected.At(x, y)) {
                ++count;
                if (!first)
                    first = gdi::POINT { x, y };
            }
    if (count == 0)
        return {};
    std::ostringstream text;
    text << count << " pixels differ, first at (" << first->x << ", " << first->y << "): 0x"
         << std::hex << actual.At(first->x, first->y) << " instead of 0x"
         << expected.At(first->x, first->y);
    return text.str();
}

// The GDI drawing the same pen in the same mode: a polyline as MoveToEx + LineTo per point, a
// missing point breaking it. The pattern of a dashed pen restarts at every LineTo.
inline void ReferencePolyline(const gdi::Pixmap& bitmap,
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
inline int32_t DrawPixels(const gdi::Pixmap& bitmap, int32_t type, const std::vector<double>& x,
    const std::vector<double>& y)
{
    return DrawGraph2(Handle(bitmap), type, x.data(), 1.0, 0.0, y.data(), 1.0, 0.0,
        static_cast<int32_t>(y.size()), 0);
}

} // namespace krevo_test
