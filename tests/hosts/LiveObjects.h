// Counts of live GDI objects of every kind, to prove that a test leaves none behind.
#pragma once

#include <array>
#include <cstdint>
#include <gdi/Gdi.h>

namespace hoststest {

inline std::array<int32_t, 6> LiveObjects()
{
    return { gdi::LiveObjectCount(gdi::OBJ_PEN), gdi::LiveObjectCount(gdi::OBJ_BRUSH),
        gdi::LiveObjectCount(gdi::OBJ_DC), gdi::LiveObjectCount(gdi::OBJ_FONT),
        gdi::LiveObjectCount(gdi::OBJ_BITMAP), gdi::LiveObjectCount(gdi::OBJ_MEMDC) };
}

// Every DC is a memory DC; OBJ_DC counts the same ones.
inline int32_t LiveDcs() { return gdi::LiveObjectCount(gdi::OBJ_MEMDC); }

} // namespace hoststest
