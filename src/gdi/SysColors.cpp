// System colours of the classic default scheme (Windows 2000 "Windows Classic") and the
// translation of OLE colours.
#include "gdi/Gdi.h"

#include <array>
#include <cstddef>

namespace gdi {
namespace {

constexpr COLORREF Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

constexpr std::array<COLORREF, 31> kClassicScheme = {
    Rgb(212, 208, 200), // 0 scroll bar
    Rgb(58, 110, 165), // 1 desktop
    Rgb(10, 36, 106), // 2 active caption
    Rgb(128, 128, 128), // 3 inactive caption
    Rgb(212, 208, 200), // 4 menu
    Rgb(255, 255, 255), // 5 window background
    Rgb(0, 0, 0), // 6 window frame
    Rgb(0, 0, 0), // 7 menu text
    Rgb(0, 0, 0), // 8 window text
    Rgb(255, 255, 255), // 9 caption text
    Rgb(212, 208, 200), // 10 active border
    Rgb(212, 208, 200), // 11 inactive border
    Rgb(128, 128, 128), // 12 application workspace
    Rgb(10, 36, 106), // 13 highlight
    Rgb(255, 255, 255), // 14 highlight text
    Rgb(212, 208, 200), // 15 button face
    Rgb(128, 128, 128), // 16 button shadow
    Rgb(128, 128, 128), // 17 grey text
    Rgb(0, 0, 0), // 18 button text
    Rgb(212, 208, 200), // 19 inactive caption text
    Rgb(255, 255, 255), // 20 button highlight
    Rgb(64, 64, 64), // 21 3-D dark shadow
    Rgb(212, 208, 200), // 22 3-D light
    Rgb(0, 0, 0), // 23 tooltip text
    Rgb(255, 255, 225), // 24 tooltip background
    Rgb(181, 181, 181), // 25 alternate button face
    Rgb(0, 0, 200), // 26 hot-tracked item
    Rgb(166, 202, 240), // 27 active caption gradient
    Rgb(192, 192, 192), // 28 inactive caption gradient
    Rgb(10, 36, 106), // 29 menu highlight
    Rgb(212, 208, 200), // 30 menu bar
};

} // namespace

// 0 (black) for an index outside the table, as the platform answers.
COLORREF GetSysColor(int32_t index)
{
    if (index < 0 || index >= static_cast<int32_t>(kClassicScheme.size()))
        return 0;
    return kClassicScheme[static_cast<std::size_t>(index)];
}

// High byte 0x80: system colour by the low byte alone (an index outside 0-30 gives CLR_INVALID,
// where the platform reports an invalid argument). High bytes 0x00, 0x01 and 0x02 pass unchanged;
// any other value is invalid.
COLORREF TranslateColor(uint32_t oleColor)
{
    const uint32_t highByte = oleColor >> 24;
    if (highByte == 0x80) {
        if ((oleColor & 0xFFu) >= kClassicScheme.size())
            return CLR_INVALID;
        return kClassicScheme[oleColor & 0xFFu];
    }
    if (highByte <= 0x02)
        return oleColor;
    return CLR_INVALID;
}

} // namespace gdi
