// The library's per-thread drawing state and the pen normalisation of CreatePen.
#include "krevo/DrawingState.h"

namespace krevo {

PenState MakePen(int32_t style, int32_t width, int32_t color)
{
    PenState pen;
    pen.style = style & 0x0F;
    if (pen.style > gdi::PS_INSIDEFRAME)
        pen.style = gdi::PS_SOLID;
    pen.width = width == INT32_MIN ? INT32_MAX : (width < 0 ? -width : width);
    pen.color = static_cast<uint32_t>(color) & 0x00FFFFFFu;
    return pen;
}

DrawingState& ThreadDrawingState()
{
    thread_local DrawingState state;
    return state;
}

bool IdempotentDrawMode(int32_t drawMode)
{
    switch (drawMode) {
    case gdi::R2_BLACK:
    case gdi::R2_MASKNOTPEN:
    case gdi::R2_NOTCOPYPEN:
    case gdi::R2_MASKPEN:
    case gdi::R2_NOP:
    case gdi::R2_MERGENOTPEN:
    case gdi::R2_COPYPEN:
    case gdi::R2_MERGEPEN:
    case gdi::R2_WHITE:
        return true;
    default:
        return false;
    }
}

} // namespace krevo
