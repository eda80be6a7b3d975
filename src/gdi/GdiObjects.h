// The objects behind handles: pens, brushes, bitmaps, device contexts and placeholder fonts.
#pragma once

#include "gdi/Gdi.h"

#include <variant>
#include <vector>

namespace gdi {

struct PenObject {
    int32_t style = PS_SOLID; // 0-6 after CreatePen's normalisation
    int32_t width = 0; // as created (absolute value); 0 and 1 both mean one pixel
    COLORREF color = 0;

    // Width in device pixels (MM_TEXT): at least 1.
    int32_t DeviceWidth() const { return width < 1 ? 1 : width; }
};

struct BrushObject {
    bool hollow = false;
    COLORREF color = 0;
};

struct BitmapObject {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels; // rows top-down, `width` pixels apart
    HDC selectedInto = 0;
    // Areas drawing calls may have changed since the owner last took them (TrackChanges).
    bool trackChanges = false;
    std::vector<RECT> changes;
};

struct FontObject { };

struct DcObject {
    HBITMAP bitmap = 0;
    HPEN pen = 0;
    HBRUSH brush = 0;
    HFONT font = 0;
    int32_t rop2 = R2_COPYPEN;
    int32_t bkMode = OPAQUE;
    COLORREF bkColor = 0x00FFFFFFu;
    COLORREF textColor = 0;
    POINT position;
    bool hasClip = false;
    RECT clip; // in addition to the bitmap's extent, when hasClip
};

struct GdiObject {
    ObjectKind kind = OBJ_PEN;
    bool stock = false;
    int32_t selectCount = 0; // DCs this object is selected into
    std::variant<PenObject, BrushObject, BitmapObject, DcObject, FontObject> data;
};

} // namespace gdi
