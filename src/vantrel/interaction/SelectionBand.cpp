// The zoom selection's dotted inverting lines.
#include "interaction/SelectionBand.h"

#include "render/GdiScope.h"

#include <algorithm>
#include <cstddef>
#include <vantrel/Rounding.h>

namespace vantrel::interaction {

namespace {

// A whole pixel position within 0 .. extent - 1, or nothing when the line would lie outside.
bool PixelWithin(double position, int32_t extent, int32_t& pixel)
{
    const double rounded = RoundHalfEven(position);
    if (!(rounded >= 0.0 && rounded < static_cast<double>(extent)))
        return false;
    pixel = static_cast<int32_t>(rounded);
    return true;
}

void AddLine(BandLines& lines, bool vertical, double position, int32_t extent, int32_t length)
{
    BandLine line;
    line.vertical = vertical;
    line.length = length;
    if (PixelWithin(position, extent, line.at))
        lines.Add(line);
}

int32_t Occurrences(const BandLines& lines, const BandLine& line)
{
    int32_t count = 0;
    for (const BandLine& other : lines)
        if (other == line)
            ++count;
    return count;
}

void DrawLine(gdi::HDC dc, const BandLine& line)
{
    if (line.vertical) {
        gdi::MoveToEx(dc, line.at, 0, nullptr);
        gdi::LineTo(dc, line.at, line.length);
    } else {
        gdi::MoveToEx(dc, 0, line.at, nullptr);
        gdi::LineTo(dc, line.length, line.at);
    }
}

} // namespace

BandLines LinesOf(const BoundsRecord& selection, int32_t width, int32_t height)
{
    BandLines lines;
    // Positions are the platform's single-precision pointer positions widened to double, so
    // comparing the doubles compares at single precision.
    AddLine(lines, true, selection.XMin, width, height);
    if (selection.XMax != selection.XMin)
        AddLine(lines, true, selection.XMax, width, height);
    AddLine(lines, false, selection.YMin, height, width);
    if (selection.YMax != selection.YMin)
        AddLine(lines, false, selection.YMax, height, width);
    return lines;
}

void ShowInstead(gdi::HDC dc, const BandLines& from, const BandLines& to)
{
    std::array<BandLine, 8> changes {};
    size_t changeCount = 0;
    for (const BandLines* set : { &from, &to }) {
        for (const BandLine& line : *set) {
            const bool odd = (Occurrences(from, line) + Occurrences(to, line)) % 2 != 0;
            const auto listed = changes.begin() + static_cast<std::ptrdiff_t>(changeCount);
            if (odd && std::find(changes.begin(), listed, line) == listed)
                changes[changeCount++] = line;
        }
    }
    if (changeCount == 0)
        return;
    const render::PenScope pen(dc, gdi::PS_DOT, 0, 0);
    const render::RasterOpScope invert(dc, gdi::R2_NOT);
    for (size_t i = 0; i < changeCount; ++i)
        DrawLine(dc, changes[i]);
}

} // namespace vantrel::interaction
