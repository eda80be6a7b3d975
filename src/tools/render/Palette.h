// The series colours of vantrel-render.
#pragma once

#include <array>
#include <cstdint>

namespace vantrel::render_tool {

// The Okabe–Ito colours that stay distinguishable for the common colour-vision deficiencies,
// without their yellow, which is too faint on white; as 0x00BBGGRR. Series take them in order
// and start again after the last.
constexpr std::array<int32_t, 7> kPalette {
    0xB27200, // blue
    0x005ED5, // vermilion
    0x739E00, // bluish green
    0xA779CC, // reddish purple
    0x009FE6, // orange
    0xE9B456, // sky blue
    0x000000, // black
};

constexpr int32_t PaletteColor(std::size_t series) { return kPalette[series % kPalette.size()]; }

} // namespace vantrel::render_tool
