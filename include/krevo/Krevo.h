// libkrevo.so: the fast series plotting library, with C linkage; draws whole data series on a
// device context of the software GDI.
//
// Drawing state. Draw mode, pen, circle radius and cubic-fit interval belong to the library, not
// to a caller, last as last set, and every DrawGraph2 uses the values in effect when it starts.
// Before any setter: copy pen (13), solid pen of width 0 in black, radius 3, interval 1. The
// state is kept per thread: on its own thread a control sees it as process-wide, and graphs drawn
// on other threads at the same time neither see nor change it.
//
// Pixels. Point k has the pixel position (x * xConv + xOffset, y * yConv + yOffset), rounded to
// the nearest integer, ties to even. A point whose value or position is not finite, or whose
// rounded position does not fit a 32-bit integer, is a break: nothing is drawn for it, and the
// points before and after it are not joined. Drawing honours the DC's clip rectangle and uses
// the library's own draw mode and pen, never the DC's raster operation or selected pen. Gaps of
// dashed pens are left untouched (a transparent background).
//
// The pen follows CreatePen: style 5 draws nothing; styles 1-4 dash only with widths 0 and 1
// (18/6, 3/3, 9/6/3/6, 9/3/3/3/3/3 pixels on/off); every other style draws solid; a negative
// width counts as its absolute value; widths 0 and 1 are one pixel; the colour is 0x00BBGGRR.
//
// Graph types:
//   0 line: a polyline through the points, each segment drawn as the GDI's LineTo draws it
//     (start pixel included, end pixel left out; wide pens with round caps), except that a
//     dashed pattern runs on along the whole polyline and restarts only after a break.
//   1 discrete line: steps; from each point horizontally to the next point's x, then
//     vertically to its y; drawn as one polyline like type 0.
//   2 symmetric line: centred steps; the level changes halfway (in unrounded pixels) between
//     neighbouring points, and the last step ends at the last point; a polyline like type 0.
//   3 dotted: one dot per point: a single pixel for widths 0 and 1, otherwise the round dot a
//     wide pen leaves for a zero-length LineTo. Each dot is painted on its own.
//   4 impulse: per point a line from the row of value 0 (row yOffset, rounded; clamped to the
//     32-bit range) to the point, drawn as one LineTo: the base pixel is included, the point's
//     pixel left out.
//   5 circle: per point the outline of a circle of the set radius; for widths 0 and 1 the
//     midpoint-circle outline (radius 0 is the point itself), for wider pens the pixels whose
//     distance from the centre lies within half the width of the radius. Pen style is ignored
//     except for style 5.
//   6 cubic fit: a natural cubic spline through each unbroken run of points, parametrised by
//     pixel x while x increases strictly and by cumulative pixel distance otherwise; each piece
//     between two points is cut into equal steps no longer than the interval (at most 4096 per
//     piece) and the samples, rounded to pixels, are drawn as a type 0 polyline.
#pragma once

#include <stdint.h>

#if defined(__GNUC__)
#define KREVO_API __attribute__((visibility("default")))
#else
#define KREVO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Results of the int32_t functions.
enum KrevoResult {
    KrevoDone = 0,
    KrevoBadValue = 1, // an argument outside its allowed values; nothing changed
    KrevoNullPointer = 2, // an array address is null where elements are to be read or written
    KrevoOutOfRange = 3, // DeInterleave would read outside the source array
    KrevoBadDeviceContext = 4, // hDC is not a live device context
    KrevoNoMemory = 5, // working memory could not be had; the series may be partly drawn
};

// The binary raster operation (1-16, SetROP2 codes) of later drawing. Others are refused.
KREVO_API int32_t SetDrawMode(int32_t mode);

// The pen of later drawing, as CreatePen would make it; never refused.
KREVO_API int32_t SetPenProperties(int32_t style, int32_t width, int32_t color);

// The circle radius of graph type 5, in pixels, 0 to 32767; others are refused.
KREVO_API int32_t SetCirclePixelRadius(int32_t radius);

// The sampling step of graph type 6, in pixels: finite and at least 1/16; others are refused.
// Returns the interval in effect after the call.
KREVO_API double SetCubicFitPixelInterval(double interval);

// destination[i] = source[start + i * step] for 0 <= i < destinationCount. Refused (and nothing
// written) when a count is negative, an array is null while destinationCount > 0, or an index
// falls outside 0 .. sourceCount - 1. The arrays must not overlap.
KREVO_API int32_t DeInterleave(const double* source, int32_t sourceCount, double* destination,
    int32_t destinationCount, int32_t start, int32_t step);

// destination[i] = log10(source[i]) for 0 <= i < count: -infinity for 0, NaN for negative
// values (both break a plotted line). destination may be source itself.
KREVO_API int32_t Log10Array(double* destination, const double* source, int32_t count);

// Draws count points of graph type `type` (0-6) on hDC. intervalFlag 1: x holds two values,
// the first point's x and the distance between neighbouring points; 0: x holds count values.
// Refused: an unknown type or flag (KrevoBadValue), a negative count (KrevoBadValue), a null
// array with count > 0 (KrevoNullPointer), hDC not a live DC (KrevoBadDeviceContext). Non-finite
// transforms draw nothing and are not refused.
KREVO_API int32_t DrawGraph2(int32_t hDC, int32_t type, const double* x, double xConv,
    double xOffset, const double* y, double yConv, double yOffset, int32_t count,
    int32_t intervalFlag);

#ifdef __cplusplus
}
#endif
