// The zoom selection's dotted inverting lines: which lines a selection consists of, and moving
// the plot area from showing one set of lines to showing another.
#pragma once

#include <array>
#include <cstdint>
#include <gdi/Gdi.h>
#include <vantrel/Records.h>

namespace vantrel::interaction {

// One line across the whole plot area, in whole pixels: a vertical line at column `at` from row
// 0 to row `length`, or a horizontal line at row `at` from column 0 to column `length` (the end
// pixel excluded, as LineTo does).
struct BandLine {
    bool vertical = false;
    int32_t at = 0;
    int32_t length = 0;
    bool operator==(const BandLine&) const = default;
};

// At most four lines: the anchor's two and the pointer's two.
class BandLines {
public:
    void Add(BandLine line) { lines_[static_cast<size_t>(count_++)] = line; }
    int32_t Count() const { return count_; }
    const BandLine* begin() const { return lines_.data(); }
    const BandLine* end() const { return lines_.data() + count_; }

private:
    std::array<BandLine, 4> lines_ {};
    int32_t count_ = 0;
};

// The lines of a selection given as ZoomRect (XMin anchor x, XMax pointer x, YMin anchor y, YMax
// pointer y, plot pixels) on a plot area `width` x `height` pixels: vertical lines at the anchor
// x and, when it differs, at the pointer x; horizontal lines at the anchor y and, when it
// differs, at the pointer y. Positions round to whole pixels, halves to even. A line that would
// fall outside the plot area (NaN and infinite positions included) covers no pixel and is left
// out, so a stored position of any value is harmless.
BandLines LinesOf(const BoundsRecord& selection, int32_t width, int32_t height);

// Makes a plot area that shows the lines `from` show the lines `to` instead. Every line is
// drawn with a dotted pen (PS_DOT, width 0, black) in R2_NOT, which inverts the pixels it
// covers; the background mode of the picture is transparent, so the gaps between the dots are
// left alone. Inverting is its own inverse and the order of lines does not matter, so only the
// lines that occur an odd number of times in both sets together are drawn: the ones shown and
// no longer wanted (removed) and the new ones (added). The DC's pen and raster operation are put
// back afterwards. Cost: at most eight lines, proportional to width plus height.
void ShowInstead(gdi::HDC dc, const BandLines& from, const BandLines& to);

} // namespace vantrel::interaction
