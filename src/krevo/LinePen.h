// A pen walking polylines as MoveToEx/LineTo do, but with one dash pattern along the whole
// polyline; also single lines and dots with the same pen.
#pragma once

#include "krevo/DrawingState.h"
#include "krevo/Series.h"
#include "krevo/Target.h"
#include "krevo/ThinLine.h"

namespace krevo {

class LinePen {
public:
    LinePen(const Target& target, const PenState& pen);

    // Starts a polyline at p; the dash pattern restarts.
    void MoveTo(Point p);
    // Continues the polyline to p, or starts one at p after a break.
    void LineTo(Point p);
    // Ends the polyline; the next LineTo starts afresh.
    void Break() { open_ = false; }
    bool Open() const { return open_; }
    Point Current() const { return current_; }
    // What a caller needs to know to leave out segments that cannot paint: the clip rectangle,
    // the pen's reach beyond a segment, and whether segments carry a dash phase on.
    const gdi::RECT& Clip() const { return target_.clip; }
    int32_t PixelWidth() const { return pen_.PixelWidth(); }
    bool Dashed() const { return pen_.Dashed(); }

    // A line of its own, as MoveToEx(a) + LineTo(b); leaves the polyline alone.
    void Line(Point a, Point b) const;
    // One pixel for a one-pixel pen, otherwise the dot of a zero-length wide line.
    void Dot(Point p) const;

private:
    int64_t Segment(Point a, Point b, int32_t phase) const;

    const Target& target_;
    PenState pen_;
    DashPattern dash_;
    Point current_;
    bool open_ = false;
    int32_t phase_ = 0;
};

} // namespace krevo
