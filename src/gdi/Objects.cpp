// Creating, deleting and counting pens, brushes and bitmaps; stock objects.
#include "HandleTable.h"

#include <new>

namespace gdi {
namespace {

constexpr COLORREF kRgbMask = 0x00FFFFFFu;
// 2^28 pixels (1 GiB): larger bitmaps are refused rather than attempted.
constexpr int64_t kMaxBitmapPixels = int64_t { 1 } << 28;

} // namespace

HPEN CreatePen(int32_t iStyle, int32_t cWidth, COLORREF color)
{
    int32_t style = iStyle & 0x0F;
    if (style == PS_NULL)
        return Handles().Stock(NULL_PEN);
    if (style > PS_INSIDEFRAME)
        style = PS_SOLID;
    const int32_t width = cWidth == INT32_MIN ? INT32_MAX : (cWidth < 0 ? -cWidth : cWidth);
    return Handles().Add(
        GdiObject { OBJ_PEN, false, 0, PenObject { style, width, color & kRgbMask } });
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    return Handles().Add(
        GdiObject { OBJ_BRUSH, false, 0, BrushObject { false, color & kRgbMask } });
}

HBITMAP CreateBitmap32(int32_t width, int32_t height)
{
    if (width < 1 || height < 1 || int64_t { width } * height > kMaxBitmapPixels)
        return 0;
    BitmapObject bitmap;
    bitmap.width = width;
    bitmap.height = height;
    try {
        bitmap.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return Handles().Add(GdiObject { OBJ_BITMAP, false, 0, std::move(bitmap) });
}

BOOL GetBitmapSize(HBITMAP bitmap, SIZE* size)
{
    const BitmapObject* object = Handles().FindAs<BitmapObject>(bitmap);
    if (!object || !size)
        return FALSE;
    *size = SIZE { object->width, object->height };
    return TRUE;
}

HGDIOBJ GetStockObject(int32_t i) { return Handles().Stock(i); }

BOOL DeleteObject(HGDIOBJ h)
{
    GdiObject* object = Handles().Find(h);
    if (!object || object->kind == OBJ_MEMDC)
        return FALSE;
    if (object->stock)
        return TRUE; // the platform accepts and ignores deleting a stock object
    if (object->selectCount > 0)
        return FALSE;
    return Handles().Remove(h) ? TRUE : FALSE;
}

int32_t GetObjectType(HGDIOBJ h)
{
    const GdiObject* object = Handles().Find(h);
    return object ? object->kind : 0;
}

int32_t LiveObjectCount(int32_t kind) { return Handles().LiveCount(kind); }

} // namespace gdi
