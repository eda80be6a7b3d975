// Change records of bitmaps: the rectangles drawing calls may have painted, for incremental
// presentation by hosts.
#include "Canvas.h"
#include "HandleTable.h"

#include <algorithm>

namespace gdi {

namespace {

bool Covers(const RECT& outer, const RECT& inner)
{
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right
        && outer.bottom >= inner.bottom;
}

RECT Union(const RECT& a, const RECT& b)
{
    return RECT { std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
        std::max(a.bottom, b.bottom) };
}

} // namespace

void RecordChange(
    const DrawTarget& target, int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    BitmapObject* bitmap = target.bitmap;
    if (bitmap == nullptr || !bitmap->trackChanges)
        return;
    const RECT& clip = target.canvas.clip;
    const RECT change { static_cast<int32_t>(std::max<int64_t>(left, clip.left)),
        static_cast<int32_t>(std::max<int64_t>(top, clip.top)),
        static_cast<int32_t>(std::min<int64_t>(right, clip.right)),
        static_cast<int32_t>(std::min<int64_t>(bottom, clip.bottom)) };
    if (change.left >= change.right || change.top >= change.bottom)
        return;
    std::vector<RECT>& changes = bitmap->changes;
    if (std::any_of(
            changes.begin(), changes.end(), [&](const RECT& held) { return Covers(held, change); }))
        return;
    if (static_cast<int32_t>(changes.size()) < maxChangeRects) {
        changes.push_back(change);
        return;
    }
    RECT all = change;
    for (const RECT& held : changes)
        all = Union(all, held);
    changes.assign(1, all);
}

BOOL TrackChanges(HBITMAP bitmap, BOOL on)
{
    BitmapObject* object = Handles().FindAs<BitmapObject>(bitmap);
    if (object == nullptr)
        return FALSE;
    object->trackChanges = on != FALSE;
    object->changes.clear();
    return TRUE;
}

int32_t TakeChanges(HBITMAP bitmap, RECT* rects)
{
    BitmapObject* object = Handles().FindAs<BitmapObject>(bitmap);
    if (object == nullptr || rects == nullptr)
        return 0;
    const auto count = static_cast<int32_t>(object->changes.size());
    std::copy(object->changes.begin(), object->changes.end(), rects);
    object->changes.clear();
    return count;
}

BOOL GetBitmapPixels(HBITMAP bitmap, uint32_t** pixels, SIZE* size)
{
    BitmapObject* object = Handles().FindAs<BitmapObject>(bitmap);
    if (object == nullptr || pixels == nullptr || size == nullptr)
        return FALSE;
    *pixels = object->pixels.data();
    *size = SIZE { object->width, object->height };
    return TRUE;
}

} // namespace gdi
