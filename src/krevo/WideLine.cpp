// Wide segments painted row by row over the visible rows only, with the GDI's own wide-pen
// geometry, so that the pixels agree with its LineTo to the last one.
#include "krevo/WideLine.h"

#include "gdi/WideSegment.h"

#include <algorithm>

namespace krevo {

void DrawWideSegment(const Target& target, Point a, Point b, int32_t width)
{
    if (target.Empty())
        return;
    const gdi::WideSegment segment(a.x, a.y, b.x, b.y, width);
    const int64_t first = std::max<int64_t>(segment.FirstRow(), target.clip.top);
    const int64_t last = std::min<int64_t>(segment.LastRow(), int64_t { target.clip.bottom } - 1);
    for (int64_t y = first; y <= last; ++y) {
        const gdi::WideSegment::Columns columns = segment.Row(y);
        if (!columns.Empty())
            target.PaintRow(y, columns.first, columns.last + 1);
    }
}

} // namespace krevo
