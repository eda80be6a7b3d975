// Scope objects for device-context state: an object created and selected for one figure, a
// text colour set for one pass, a raster operation for one drawing. Each puts the previous state
// back when the scope ends, also when an error leaves it, so that no handle outlives its drawing.
#pragma once

#include <gdi/Gdi.h>

namespace vantrel::render {

// Owns an object just created (a pen or a brush), selects it into the DC and, at the end,
// selects the previous object back and deletes the created one. A creation that failed (0) is
// harmless: selecting 0 changes nothing and deleting 0 does nothing. Stock objects (CreatePen
// of PS_NULL gives the stock null pen) survive the delete, as the graphics layer promises.
class SelectedObject {
public:
    SelectedObject(gdi::HDC dc, gdi::HGDIOBJ created)
        : dc_(dc)
        , created_(created)
        , previous_(gdi::SelectObject(dc, created))
    {
    }
    ~SelectedObject()
    {
        if (previous_ != 0)
            gdi::SelectObject(dc_, previous_);
        gdi::DeleteObject(created_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    gdi::HDC dc_;
    gdi::HGDIOBJ created_;
    gdi::HGDIOBJ previous_;
};

// A pen of the given style, width and colour, selected for the scope.
class PenScope {
public:
    PenScope(gdi::HDC dc, int32_t style, int32_t width, gdi::COLORREF color)
        : pen_(dc, gdi::CreatePen(style, width, color))
    {
    }

private:
    SelectedObject pen_;
};

// A solid brush, selected for the scope.
class BrushScope {
public:
    BrushScope(gdi::HDC dc, gdi::COLORREF color)
        : brush_(dc, gdi::CreateSolidBrush(color))
    {
    }

private:
    SelectedObject brush_;
};

// The DC's text colour for the scope; the previous colour comes back at its end.
class TextColorScope {
public:
    TextColorScope(gdi::HDC dc, gdi::COLORREF color)
        : dc_(dc)
        , previous_(gdi::SetTextColor(dc, color))
    {
    }
    ~TextColorScope()
    {
        if (previous_ != gdi::CLR_INVALID)
            gdi::SetTextColor(dc_, previous_);
    }
    TextColorScope(const TextColorScope&) = delete;
    TextColorScope& operator=(const TextColorScope&) = delete;

private:
    gdi::HDC dc_;
    gdi::COLORREF previous_;
};

// The raster operation for the scope; the previous one comes back at its end.
class RasterOpScope {
public:
    RasterOpScope(gdi::HDC dc, int32_t rop2)
        : dc_(dc)
        , previous_(gdi::SetROP2(dc, rop2))
    {
    }
    ~RasterOpScope()
    {
        if (previous_ != 0)
            gdi::SetROP2(dc_, previous_);
    }
    RasterOpScope(const RasterOpScope&) = delete;
    RasterOpScope& operator=(const RasterOpScope&) = delete;

private:
    gdi::HDC dc_;
    int32_t previous_;
};

} // namespace vantrel::render
