// The software graphics device interface: handles, device contexts on 32-bit bitmaps, pens,
// brushes, raster operations, lines, rectangles, ellipses, pixels and text, behaving as the
// platform's GDI does for the calls the control makes.
//
// Contract: one process-wide handle table, shared by every thread under one lock; a DC, its
// bitmap and the objects a thread made are used by that thread alone, the stock objects and the
// fonts by all (nothing changes them). Functions never throw; they report failure by result as the
// platform does (0 / FALSE / CLR_INVALID), also for unknown or deleted handles.
#pragma once

#include "gdi/PixelView.h"

#include <cstdint>

namespace gdi {

using HANDLE32 = uint32_t;
using HGDIOBJ = HANDLE32;
using HDC = HANDLE32;
using HPEN = HANDLE32;
using HBRUSH = HANDLE32;
using HFONT = HANDLE32;
using HBITMAP = HANDLE32;
using COLORREF = uint32_t; // 0x00BBGGRR
using BOOL = int32_t;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
};

struct SIZE {
    int32_t cx = 0;
    int32_t cy = 0;
};

// Half-open: right and bottom are outside.
struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Binary raster operations (SetROP2).
enum : int32_t {
    R2_BLACK = 1,
    R2_NOTMERGEPEN = 2,
    R2_MASKNOTPEN = 3,
    R2_NOTCOPYPEN = 4,
    R2_MASKPENNOT = 5,
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_NOTMASKPEN = 8,
    R2_MASKPEN = 9,
    R2_NOTXORPEN = 10,
    R2_NOP = 11,
    R2_MERGENOTPEN = 12,
    R2_COPYPEN = 13,
    R2_MERGEPENNOT = 14,
    R2_MERGEPEN = 15,
    R2_WHITE = 16,
};

// Pen styles (CreatePen).
enum : int32_t {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
};

// Stock objects (GetStockObject).
enum : int32_t {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = NULL_BRUSH,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    SYSTEM_FONT = 13,
    DEFAULT_GUI_FONT = 17,
};

// Background modes (SetBkMode).
enum : int32_t { TRANSPARENT = 1, OPAQUE = 2 };

// The mix of one binary raster operation with one pen colour, in the form
// dest' = (dest & andMask) ^ xorMask, bitwise on the 24-bit colour (the top byte stays 0).
// An unknown raster operation leaves the destination unchanged.
struct Rop2Mix {
    uint32_t andMask = 0x00FFFFFFu;
    uint32_t xorMask = 0;

    constexpr uint32_t Apply(uint32_t dest) const { return (dest & andMask) ^ xorMask; }
};

constexpr Rop2Mix MixForRop2(int32_t rop2, uint32_t pen)
{
    constexpr uint32_t all = 0x00FFFFFFu;
    const uint32_t p = pen & all;
    const uint32_t np = ~pen & all;
    switch (rop2) {
    case R2_BLACK:
        return { 0, 0 };
    case R2_NOTMERGEPEN:
        return { np, np };
    case R2_MASKNOTPEN:
        return { np, 0 };
    case R2_NOTCOPYPEN:
        return { 0, np };
    case R2_MASKPENNOT:
        return { p, p };
    case R2_NOT:
        return { all, all };
    case R2_XORPEN:
        return { all, p };
    case R2_NOTMASKPEN:
        return { p, all };
    case R2_MASKPEN:
        return { p, 0 };
    case R2_NOTXORPEN:
        return { all, np };
    case R2_NOP:
        return { all, 0 };
    case R2_MERGENOTPEN:
        return { p, np };
    case R2_COPYPEN:
        return { 0, p };
    case R2_MERGEPENNOT:
        return { np, all };
    case R2_MERGEPEN:
        return { np, p };
    case R2_WHITE:
        return { 0, all };
    default:
        return { all, 0 };
    }
}

// One raster operation applied to one pixel: the formula every drawing call uses.
constexpr uint32_t ApplyRop2(int32_t rop2, uint32_t dest, uint32_t pen)
{
    return MixForRop2(rop2, pen).Apply(dest);
}

// Raster operation of BitBlt: only a plain copy is supported.
constexpr uint32_t SRCCOPY = 0x00CC0020u;

// Object kinds, for GetObjectType and the live-object counts.
enum ObjectKind : int32_t {
    OBJ_PEN = 1,
    OBJ_BRUSH = 2,
    OBJ_DC = 3,
    OBJ_FONT = 6,
    OBJ_BITMAP = 7,
    OBJ_MEMDC = 10,
};

// Device contexts and bitmaps. A fresh DC holds a stock 1x1 bitmap until one is selected; a
// bitmap can be selected into one DC at a time.
HDC CreateCompatibleDC(HDC hdc); // hdc is ignored (0 allowed): every DC is a memory DC.
BOOL DeleteDC(HDC hdc);
// A top-down 32-bit bitmap, every pixel 0 (black). 0 for a size below 1 or too large to hold.
HBITMAP CreateBitmap32(int32_t width, int32_t height);
BOOL GetBitmapSize(HBITMAP bitmap, SIZE* size);
BOOL BitBlt(HDC hdcDest, int32_t x, int32_t y, int32_t cx, int32_t cy, HDC hdcSrc, int32_t x1,
    int32_t y1, uint32_t rop);

// Objects. Colours given to CreatePen, CreateSolidBrush, SetTextColor, SetBkColor and SetPixel
// are plain RGB: like the platform's 32-bit device, they keep only the low 24 bits, so a system
// colour (top bit set) must go through TranslateColor first. Deleting a pen, brush or bitmap
// that is selected into a DC fails (FALSE) and leaves it alive; stock objects are never deleted.
// CreatePen keeps only the low 4 bits of the style; 7-15 give a solid pen; the width is stored as
// its absolute value; PS_NULL gives the stock NULL_PEN.
HPEN CreatePen(int32_t iStyle, int32_t cWidth, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
HGDIOBJ GetStockObject(int32_t i);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h);
HGDIOBJ GetCurrentObject(HDC hdc, int32_t type);
BOOL DeleteObject(HGDIOBJ h);
int32_t GetObjectType(HGDIOBJ h);

// State.
int32_t SetROP2(HDC hdc, int32_t rop2);
int32_t GetROP2(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int32_t SetBkMode(HDC hdc, int32_t mode);
int32_t GetBkMode(HDC hdc);
BOOL MoveToEx(HDC hdc, int32_t x, int32_t y, POINT* lppt);
BOOL GetCurrentPositionEx(HDC hdc, POINT* lppt);
// The clip rectangle, in addition to the bitmap's own extent. An empty rectangle clips all.
BOOL SetClipRect(HDC hdc, const RECT* rect);
BOOL ResetClip(HDC hdc);

// Drawing. Pens, brush interiors and SetPixel combine with the destination through the ROP2;
// FillRect and BitBlt copy. SetPixel returns CLR_INVALID for a point outside the bitmap or clip.
BOOL LineTo(HDC hdc, int32_t x, int32_t y);
BOOL Rectangle(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom);
BOOL Ellipse(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom);
BOOL FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
COLORREF SetPixel(HDC hdc, int32_t x, int32_t y, COLORREF color);
COLORREF GetPixel(HDC hdc, int32_t x, int32_t y);
BOOL TextOutA(HDC hdc, int32_t x, int32_t y, const char* text, int32_t c);
BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int32_t c, SIZE* size);

// Colours: an OLE_COLOR with the top bit set names a system colour (low byte = index),
// translated through the classic default scheme; other values pass unchanged.
COLORREF GetSysColor(int32_t index);
COLORREF TranslateColor(uint32_t oleColor);

// For hosts and tests that audit object lifetimes: pens, brushes, fonts, bitmaps or DCs alive,
// stock objects excluded.
// OBJ_DC and OBJ_MEMDC both count device contexts; 0 counts every kind.
int32_t LiveObjectCount(int32_t kind);

// Change records, for hosts that present a bitmap incrementally (like the platform's
// SetBoundsRect and GetBoundsRect, but per bitmap and as a few rectangles instead of one, so
// that four thin lines across a picture stay four thin rectangles). While a bitmap tracks its
// changes, every drawing call on a DC that holds it records a rectangle, clipped to the
// bitmap, that covers every pixel the call may have changed; GetSurface records its whole clip
// area, since its caller may write anywhere in it. TrackChanges starts or stops tracking and
// clears the record either way.
BOOL TrackChanges(HBITMAP bitmap, BOOL on);
// The record holds at most this many rectangles; beyond, they merge into their bounding box.
constexpr int32_t maxChangeRects = 16;
// Moves the record into `rects` (room for maxChangeRects) and clears it; returns the count, 0
// when nothing changed or the bitmap does not track. Rectangles may overlap.
int32_t TakeChanges(HBITMAP bitmap, RECT* rects);
// A bitmap's own pixels for the host that owns it, without recording a change: rows top-down,
// size->cx pixels apart. FALSE for an unknown bitmap.
BOOL GetBitmapPixels(HBITMAP bitmap, uint32_t** pixels, SIZE* size);

// Direct access for bulk rasterisation (the plotting library): `view` borrows the selected
// bitmap's pixels (empty for a DC without a bitmap of its own). `clip` is the bitmap's extent
// intersected with the DC's clip rectangle. The pen fields describe the selected pen.
struct Surface {
    PixelView view;
    RECT clip;
    int32_t rop2 = R2_COPYPEN;
    int32_t penStyle = PS_SOLID;
    int32_t penWidth = 0;
    COLORREF penColor = 0;
};
BOOL GetSurface(HDC hdc, Surface* surface);

} // namespace gdi
