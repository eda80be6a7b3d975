// Device contexts: creation with the platform's default state, selection of objects, the current
// position, the clip rectangle and the simple state setters.
#include "Canvas.h"
#include "HandleTable.h"

namespace gdi {
namespace {

DcObject* FindDc(HDC hdc) { return Handles().FindAs<DcObject>(hdc); }

// Stock objects are selected into DCs of every thread, so their counts change under the lock.
void Reselect(HGDIOBJ previous, HGDIOBJ next)
{
    Handles().AdjustSelectCount(previous, -1);
    Handles().AdjustSelectCount(next, +1);
}

} // namespace

bool ResolveTarget(HDC hdc, DrawTarget* target)
{
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return false;
    BitmapObject* bitmap = Handles().FindAs<BitmapObject>(dc->bitmap);
    target->dc = dc;
    target->bitmap = bitmap;
    target->pen = Handles().FindAs<PenObject>(dc->pen);
    target->brush = Handles().FindAs<BrushObject>(dc->brush);
    Canvas canvas;
    if (bitmap) {
        canvas.pixels = bitmap->pixels.data();
        canvas.stride = bitmap->width;
        canvas.clip = RECT { 0, 0, bitmap->width, bitmap->height };
        if (dc->hasClip) {
            canvas.clip.left = std::max(canvas.clip.left, dc->clip.left);
            canvas.clip.top = std::max(canvas.clip.top, dc->clip.top);
            canvas.clip.right = std::min(canvas.clip.right, dc->clip.right);
            canvas.clip.bottom = std::min(canvas.clip.bottom, dc->clip.bottom);
        }
        if (canvas.Empty())
            canvas.clip = RECT {};
    }
    target->canvas = canvas;
    return true;
}

HDC CreateCompatibleDC(HDC)
{
    HandleTable& table = Handles();
    DcObject dc;
    dc.bitmap = table.DefaultBitmap();
    dc.pen = table.Stock(BLACK_PEN);
    dc.brush = table.Stock(WHITE_BRUSH);
    dc.font = table.Stock(SYSTEM_FONT);
    const DcObject state = dc;
    const HDC handle = table.Add(GdiObject { OBJ_MEMDC, false, 0, std::move(dc) });
    if (handle != 0) {
        Reselect(0, state.bitmap);
        Reselect(0, state.pen);
        Reselect(0, state.brush);
        Reselect(0, state.font);
        if (BitmapObject* bitmap = table.FindAs<BitmapObject>(state.bitmap);
            bitmap && !table.Find(state.bitmap)->stock)
            bitmap->selectedInto = handle;
    }
    return handle;
}

BOOL DeleteDC(HDC hdc)
{
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    if (BitmapObject* bitmap = Handles().FindAs<BitmapObject>(dc->bitmap);
        bitmap && bitmap->selectedInto == hdc)
        bitmap->selectedInto = 0;
    Reselect(dc->bitmap, 0);
    Reselect(dc->pen, 0);
    Reselect(dc->brush, 0);
    Reselect(dc->font, 0);
    return Handles().Remove(hdc) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h)
{
    DcObject* dc = FindDc(hdc);
    GdiObject* object = Handles().Find(h);
    if (!dc || !object)
        return 0;
    HGDIOBJ* slot = nullptr;
    switch (object->kind) {
    case OBJ_PEN:
        slot = &dc->pen;
        break;
    case OBJ_BRUSH:
        slot = &dc->brush;
        break;
    case OBJ_FONT:
        slot = &dc->font;
        break;
    case OBJ_BITMAP: {
        auto& bitmap = std::get<BitmapObject>(object->data);
        if (dc->bitmap == h)
            return h;
        // A bitmap lives in one DC at a time; the stock 1x1 bitmap may be in any number.
        if (!object->stock && bitmap.selectedInto != 0)
            return 0;
        // The stock bitmap is shared by every thread and never records a DC.
        if (GdiObject* old = Handles().Find(dc->bitmap); old && !old->stock)
            if (auto* oldBitmap = std::get_if<BitmapObject>(&old->data))
                oldBitmap->selectedInto = 0;
        if (!object->stock)
            bitmap.selectedInto = hdc;
        slot = &dc->bitmap;
        break;
    }
    default:
        return 0;
    }
    const HGDIOBJ previous = *slot;
    *slot = h;
    Reselect(previous, h);
    return previous;
}

HGDIOBJ GetCurrentObject(HDC hdc, int32_t type)
{
    const DcObject* dc = FindDc(hdc);
    if (!dc)
        return 0;
    switch (type) {
    case OBJ_PEN:
        return dc->pen;
    case OBJ_BRUSH:
        return dc->brush;
    case OBJ_FONT:
        return dc->font;
    case OBJ_BITMAP:
        return dc->bitmap;
    default:
        return 0;
    }
}

int32_t SetROP2(HDC hdc, int32_t rop2)
{
    DcObject* dc = FindDc(hdc);
    if (!dc || rop2 < R2_BLACK || rop2 > R2_WHITE)
        return 0;
    const int32_t previous = dc->rop2;
    dc->rop2 = rop2;
    return previous;
}

int32_t GetROP2(HDC hdc)
{
    const DcObject* dc = FindDc(hdc);
    return dc ? dc->rop2 : 0;
}

COLORREF SetTextColor(HDC hdc, COLORREF color)
{
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF previous = dc->textColor;
    dc->textColor = color & 0x00FFFFFFu;
    return previous;
}

COLORREF GetTextColor(HDC hdc)
{
    const DcObject* dc = FindDc(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color)
{
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return CLR_INVALID;
    const COLORREF previous = dc->bkColor;
    dc->bkColor = color & 0x00FFFFFFu;
    return previous;
}

COLORREF GetBkColor(HDC hdc)
{
    const DcObject* dc = FindDc(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

int32_t SetBkMode(HDC hdc, int32_t mode)
{
    DcObject* dc = FindDc(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    const int32_t previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int32_t GetBkMode(HDC hdc)
{
    const DcObject* dc = FindDc(hdc);
    return dc ? dc->bkMode : 0;
}

BOOL MoveToEx(HDC hdc, int32_t x, int32_t y, POINT* lppt)
{
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    if (lppt)
        *lppt = dc->position;
    dc->position = POINT { x, y };
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* lppt)
{
    const DcObject* dc = FindDc(hdc);
    if (!dc || !lppt)
        return FALSE;
    *lppt = dc->position;
    return TRUE;
}

BOOL SetClipRect(HDC hdc, const RECT* rect)
{
    DcObject* dc = FindDc(hdc);
    if (!dc || !rect)
        return FALSE;
    dc->hasClip = true;
    dc->clip = *rect;
    return TRUE;
}

BOOL ResetClip(HDC hdc)
{
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    dc->hasClip = false;
    return TRUE;
}

} // namespace gdi
