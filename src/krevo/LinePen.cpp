// A pen walking polylines: thin segments carry the dash phase on, wide segments are painted one
// by one as separate LineTo calls paint them.
#include "krevo/LinePen.h"

#include "krevo/WideLine.h"

namespace krevo {

LinePen::LinePen(const Target& target, const PenState& pen)
    : target_(target)
    , pen_(pen)
    , dash_(DashPatternFor(pen))
{
}

void LinePen::MoveTo(Point p)
{
    current_ = p;
    open_ = true;
    phase_ = 0;
}

void LinePen::LineTo(Point p)
{
    if (!open_) {
        MoveTo(p);
        return;
    }
    const int64_t length = Segment(current_, p, phase_);
    if (!dash_.Solid())
        phase_ = static_cast<int32_t>((phase_ + length % dash_.period) % dash_.period);
    current_ = p;
}

void LinePen::Line(Point a, Point b) const { Segment(a, b, 0); }

void LinePen::Dot(Point p) const
{
    if (pen_.Wide())
        DrawWideSegment(target_, p, p, pen_.PixelWidth());
    else
        target_.PaintPixel(p.x, p.y);
}

int64_t LinePen::Segment(Point a, Point b, int32_t phase) const
{
    if (pen_.Wide()) {
        DrawWideSegment(target_, a, b, pen_.PixelWidth());
        return 0;
    }
    return DrawThinSegment(target_, a, b, dash_, phase);
}

} // namespace krevo
