// Graph types 0-4, point by point; a break ends the polyline.
#include "krevo/GraphTypes.h"

#include <algorithm>

namespace krevo {
namespace {

// Steps leave out pieces of zero length: they would add a wide pen's dot at a corner.
void StepTo(LinePen& pen, Point p)
{
    if (!pen.Open() || !(pen.Current() == p))
        pen.LineTo(p);
}

} // namespace

void PlotLine(LinePen& pen, const Series& series, IndexRange range)
{
    for (int64_t k = range.begin; k < range.end; ++k) {
        Point p;
        if (series.PixelAt(k, &p))
            pen.LineTo(p);
        else
            pen.Break();
    }
}

void PlotDiscreteLine(LinePen& pen, const Series& series, IndexRange range)
{
    pen.Break();
    for (int64_t k = range.begin; k < range.end; ++k) {
        Point p;
        if (!series.PixelAt(k, &p)) {
            pen.Break();
            continue;
        }
        if (pen.Open())
            StepTo(pen, Point { p.x, pen.Current().y });
        StepTo(pen, p);
    }
}

void PlotSymmetricLine(LinePen& pen, const Series& series, IndexRange range)
{
    pen.Break();
    Point last;
    double lastX = 0;
    for (int64_t k = range.begin; k < range.end; ++k) {
        Point p;
        if (!series.PixelAt(k, &p)) {
            if (pen.Open())
                StepTo(pen, last);
            pen.Break();
            continue;
        }
        const double px = series.PixelX(k);
        if (pen.Open()) {
            // Both ends are drawable, so their midpoint is.
            const int32_t middle = PixelOf((lastX + px) * 0.5);
            StepTo(pen, Point { middle, last.y });
            StepTo(pen, Point { middle, p.y });
        } else {
            pen.MoveTo(p);
        }
        last = p;
        lastX = px;
    }
    if (pen.Open())
        StepTo(pen, last);
}

void PlotDots(const LinePen& pen, const Series& series, IndexRange range)
{
    for (int64_t k = range.begin; k < range.end; ++k) {
        Point p;
        if (series.PixelAt(k, &p))
            pen.Dot(p);
    }
}

void PlotImpulses(const LinePen& pen, const Series& series, IndexRange range)
{
    const double base = std::clamp(RoundPixel(series.yOffset), -2147483648.0, 2147483647.0);
    const int32_t baseRow = static_cast<int32_t>(base);
    for (int64_t k = range.begin; k < range.end; ++k) {
        Point p;
        if (series.PixelAt(k, &p))
            pen.Line(Point { p.x, baseRow }, p);
    }
}

} // namespace krevo
