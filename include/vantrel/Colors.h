// Colour value types: OLE_COLOR for the control's own colour properties.
#pragma once

#include <cstdint>

namespace vantrel {

// 0x00BBGGRR, or a system colour index with the top bit set (0x80000005 window background).
using OleColor = uint32_t;

} // namespace vantrel
