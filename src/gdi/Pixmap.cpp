// The owning pixmap and the operations on borrowed pixel views.
#include "gdi/Pixmap.h"

#include <algorithm>
#include <utility>

namespace gdi {

namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;

// The bitmap's pixels as GetSurface reports them; empty for a DC without a bitmap of its own.
PixelView BitmapPixels(HDC dc)
{
    Surface surface;
    return GetSurface(dc, &surface) ? surface.view : PixelView {};
}

} // namespace

PixelView PixelView::Crop(int32_t left, int32_t top, int32_t right, int32_t bottom) const
{
    const int32_t l = std::clamp(left, 0, width);
    const int32_t t = std::clamp(top, 0, height);
    const int32_t r = std::clamp(right, l, width);
    const int32_t b = std::clamp(bottom, t, height);
    if (r == l || b == t || pixels == nullptr)
        return PixelView {};
    return PixelView { Row(t) + l, r - l, b - t, stride };
}

void CopyPixels(PixelView from, PixelView to)
{
    const int32_t width = std::min(from.width, to.width);
    const int32_t height = std::min(from.height, to.height);
    if (from.pixels == nullptr || to.pixels == nullptr || width <= 0)
        return;
    for (int32_t y = 0; y < height; ++y)
        std::copy_n(from.Row(y), width, to.Row(y));
}

void FillPixels(PixelView to, uint32_t color)
{
    if (to.Empty())
        return;
    for (int32_t y = 0; y < to.height; ++y)
        std::fill_n(to.Row(y), to.width, color);
}

bool SamePixels(PixelView a, PixelView b)
{
    if (a.width != b.width || a.height != b.height)
        return false;
    for (int32_t y = 0; y < a.height; ++y)
        for (int32_t x = 0; x < a.width; ++x)
            if (((a.At(x, y) ^ b.At(x, y)) & kRgbMask) != 0)
                return false;
    return true;
}

Pixmap::Pixmap(int32_t width, int32_t height, COLORREF fill)
{
    if (width < 0 || height < 0)
        return;
    const HBITMAP bitmap = CreateBitmap32(std::max(width, 1), std::max(height, 1));
    if (bitmap == 0)
        return;
    dc_ = CreateCompatibleDC(0);
    if (dc_ == 0) {
        DeleteObject(bitmap);
        return;
    }
    original_ = SelectObject(dc_, bitmap);
    Attach(bitmap, width, height);
    FillPixels(view_, fill & kRgbMask);
}

Pixmap::Pixmap(PixelView pixels)
    : Pixmap(std::max(pixels.width, 0), std::max(pixels.height, 0))
{
    CopyPixels(pixels, view_);
}

Pixmap::~Pixmap() { Release(); }

Pixmap::Pixmap(const Pixmap& other)
    : Pixmap(other.view_)
{
}

Pixmap& Pixmap::operator=(const Pixmap& other)
{
    if (this != &other)
        *this = Pixmap(other);
    return *this;
}

Pixmap::Pixmap(Pixmap&& other) noexcept
    : dc_(std::exchange(other.dc_, 0))
    , bitmap_(std::exchange(other.bitmap_, 0))
    , original_(std::exchange(other.original_, 0))
    , view_(std::exchange(other.view_, PixelView {}))
{
}

Pixmap& Pixmap::operator=(Pixmap&& other) noexcept
{
    if (this != &other) {
        Release();
        dc_ = std::exchange(other.dc_, 0);
        bitmap_ = std::exchange(other.bitmap_, 0);
        original_ = std::exchange(other.original_, 0);
        view_ = std::exchange(other.view_, PixelView {});
    }
    return *this;
}

void Pixmap::Release()
{
    if (dc_ == 0)
        return;
    // The bitmap can only be deleted once no DC has it selected.
    SelectObject(dc_, original_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
    dc_ = 0;
    bitmap_ = 0;
    view_ = PixelView {};
}

void Pixmap::Attach(HBITMAP bitmap, int32_t width, int32_t height)
{
    bitmap_ = bitmap;
    view_ = BitmapPixels(dc_);
    view_.width = width;
    view_.height = height;
    const RECT area { 0, 0, width, height };
    SetClipRect(dc_, &area);
}

void Pixmap::SwapBitmaps(Pixmap& other)
{
    if (this == &other || !Valid() || !other.Valid())
        return;
    // A bitmap is selected into one DC at a time: both go back to their stock bitmap first.
    SelectObject(dc_, original_);
    SelectObject(other.dc_, other.original_);
    const HBITMAP mine = bitmap_;
    const PixelView myView = view_;
    SelectObject(dc_, other.bitmap_);
    Attach(other.bitmap_, other.view_.width, other.view_.height);
    SelectObject(other.dc_, mine);
    other.Attach(mine, myView.width, myView.height);
}

} // namespace gdi
