// libkrevo.so's internal entry point for summarised series, beside its seven public functions.
//
// The control keeps, next to each retained series, a summary (a min/max pyramid) that answers
// "lowest and highest of points [begin, end)" and "where do the values leave [lowest, highest]"
// in time logarithmic in the points. The column rasterisation that turns those answers into
// pixels lives here, so the control hands its summary over as callbacks and the library draws
// exactly what DrawGraph2 would draw from the full arrays. The control looks this function up
// with dlsym and treats it as optional: a plotting library without it (another file named by
// SetPlottingLibrary) draws every series through DrawGraph2. It is not part of the public
// interface of the library and may change with the control.
#pragma once

#include <krevo/Krevo.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Result of DrawGraphSummary when the series cannot be drawn from its summary with the current
// drawing state; nothing was drawn and no callback was called.
enum { KrevoNotSummarised = 6 };

// The values of one axis over points [begin, end): lowest and highest (of the non-NaN values),
// and whether any is NaN.
typedef struct KrevoValueRange {
    double lowest;
    double highest;
    int32_t anyNaN;
} KrevoValueRange;

// What a summary knows of points [begin, end) without reading them: the exact range of its
// whole blocks [innerBegin, innerEnd) (none when innerBegin == innerEnd), and the ranges of the
// blocks holding the points before innerBegin (ends[0]) and from innerEnd on (ends[1]), anyNaN
// set when one is not known. The library reads the few points outside the whole blocks only
// where those ranges leave a row undecided.
typedef struct KrevoValueBounds {
    KrevoValueRange inner;
    int64_t innerBegin;
    int64_t innerEnd;
    KrevoValueRange ends[2];
} KrevoValueBounds;

// A series as its summary sees it. Axis 0 is x, 1 is y; values are those plotted (logarithms
// on a logarithmic axis). In interval mode x is xStart + k * xStep and axis 0 is never asked for.
typedef struct KrevoSeriesSource {
    void* context;
    int64_t count;
    int32_t intervalFlag;
    double xStart;
    double xStep;
    // The plotted values of each axis as an array, where they are the held values themselves
    // (linear axes), else null. Short columns read them directly: below a few hundred points a
    // look-up in the summary costs more than the read.
    const double* x;
    const double* y;
    // The value of point k, 0 <= k < count.
    double (*Value)(void* context, int32_t axis, int64_t k);
    // The range of points [begin, end), begin < end.
    void (*Range)(void* context, int32_t axis, int64_t begin, int64_t end, KrevoValueRange* range);
    // The first index in [begin, end) whose value is not within [lowest, highest] (NaN never
    // is), or end.
    int64_t (*RangeEnd)(
        void* context, int32_t axis, int64_t begin, int64_t end, double lowest, double highest);
    // Block bounds of points [begin, end), begin < end; may be null.
    void (*Bounds)(
        void* context, int32_t axis, int64_t begin, int64_t end, KrevoValueBounds* bounds);
    // 1 when x is given and x[k] <= x[k + 1] for every k (no NaN): column ends are then found by
    // searching x.
    int32_t xSorted;
} KrevoSeriesSource;

// Draws the series as DrawGraph2 would draw graph type `type` with the same transforms, when the
// type, pen and draw mode allow column aggregation (type 0, one-pixel solid pen, a draw mode in
// which painting a pixel twice equals painting it once); otherwise returns KrevoNotSummarised
// without drawing. Other results as DrawGraph2's.
KREVO_API int32_t DrawGraphSummary(int32_t hDC, int32_t type, const KrevoSeriesSource* source,
    double xConv, double xOffset, double yConv, double yOffset);

#ifdef __cplusplus
}
#endif
