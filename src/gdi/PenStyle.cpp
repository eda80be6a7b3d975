// Dash patterns of the 1-pixel pen styles and the stroke style of a pen in a DC.
#include "PenStyle.h"

#include <initializer_list>

namespace gdi {
namespace {

// Runs (on, off, on, ...) of 1-pixel pens: dash 18/6, dot 3/3, dash-dot 9/6/3/6,
// dash-dot-dot 9/3/3/3/3/3.
constexpr uint32_t MaskOfRuns(std::initializer_list<uint32_t> runs)
{
    uint32_t mask = 0;
    uint32_t position = 0;
    bool on = true;
    while (position < kDashPeriod) {
        for (const uint32_t run : runs) {
            for (uint32_t i = 0; i < run && position < kDashPeriod; ++i, ++position) {
                if (on)
                    mask |= 1u << position;
            }
            on = !on;
        }
    }
    return mask;
}

constexpr uint32_t kDash = MaskOfRuns({ 18, 6 });
constexpr uint32_t kDot = MaskOfRuns({ 3, 3 });
constexpr uint32_t kDashDot = MaskOfRuns({ 9, 6, 3, 6 });
constexpr uint32_t kDashDotDot = MaskOfRuns({ 9, 3, 3, 3, 3, 3 });
static_assert(kDash == 0x03FFFFu);
static_assert(kDot == 0x1C71C7u);

} // namespace

StrokeStyle StrokeStyleFor(const DcObject& dc, const PenObject& pen)
{
    StrokeStyle style;
    style.visible = pen.style != PS_NULL;
    style.width = pen.DeviceWidth();
    style.on = MixForRop2(dc.rop2, pen.color);
    style.gap = MixForRop2(dc.rop2, dc.bkColor);
    if (style.width == 1) {
        switch (pen.style) {
        case PS_DASH:
            style.dashMask = kDash;
            break;
        case PS_DOT:
            style.dashMask = kDot;
            break;
        case PS_DASHDOT:
            style.dashMask = kDashDot;
            break;
        case PS_DASHDOTDOT:
            style.dashMask = kDashDotDot;
            break;
        default:
            break;
        }
    }
    style.paintGaps = style.dashMask != 0 && dc.bkMode == OPAQUE;
    return style;
}

} // namespace gdi
