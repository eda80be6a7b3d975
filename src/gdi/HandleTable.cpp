// The process-wide handle table and its stock objects.
#include "HandleTable.h"

#include <utility>

namespace gdi {
namespace {

GdiObject MakePen(int32_t style, COLORREF color)
{
    return GdiObject { OBJ_PEN, true, 0, PenObject { style, 0, color } };
}

GdiObject MakeBrush(bool hollow, COLORREF color)
{
    return GdiObject { OBJ_BRUSH, true, 0, BrushObject { hollow, color } };
}

} // namespace

HandleTable::HandleTable()
{
    stock_.assign(kStockCount, 0);
    stock_[WHITE_BRUSH] = AddStock(MakeBrush(false, 0x00FFFFFFu));
    stock_[LTGRAY_BRUSH] = AddStock(MakeBrush(false, 0x00C0C0C0u));
    stock_[GRAY_BRUSH] = AddStock(MakeBrush(false, 0x00808080u));
    stock_[DKGRAY_BRUSH] = AddStock(MakeBrush(false, 0x00404040u));
    stock_[BLACK_BRUSH] = AddStock(MakeBrush(false, 0));
    stock_[NULL_BRUSH] = AddStock(MakeBrush(true, 0));
    stock_[WHITE_PEN] = AddStock(MakePen(PS_SOLID, 0x00FFFFFFu));
    stock_[BLACK_PEN] = AddStock(MakePen(PS_SOLID, 0));
    stock_[NULL_PEN] = AddStock(MakePen(PS_NULL, 0));
    stock_[SYSTEM_FONT] = AddStock(GdiObject { OBJ_FONT, true, 0, FontObject {} });
    stock_[DEFAULT_GUI_FONT] = AddStock(GdiObject { OBJ_FONT, true, 0, FontObject {} });
    BitmapObject pixel;
    pixel.width = 1;
    pixel.height = 1;
    pixel.pixels.assign(1, 0);
    defaultBitmap_ = AddStock(GdiObject { OBJ_BITMAP, true, 0, std::move(pixel) });
}

HGDIOBJ HandleTable::AddStock(GdiObject object)
{
    const HGDIOBJ handle = Add(std::move(object));
    const std::lock_guard lock(mutex_);
    --live_[slots_.back().object->kind];
    return handle;
}

HGDIOBJ HandleTable::Add(GdiObject object)
{
    const std::lock_guard lock(mutex_);
    uint32_t slot = 0;
    if (!freeSlots_.empty() && (freeSlots_.size() > 64 || slots_.size() >= kMaxSlots)) {
        slot = freeSlots_.front();
        freeSlots_.pop_front();
    } else if (slots_.size() < kMaxSlots) {
        slot = static_cast<uint32_t>(slots_.size());
        slots_.emplace_back();
    } else {
        return 0;
    }
    const ObjectKind kind = object.kind;
    slots_[slot].object = std::make_unique<GdiObject>(std::move(object));
    ++live_[kind];
    return (slots_[slot].generation << kSlotBits) | (slot + 1);
}

GdiObject* HandleTable::Find(HGDIOBJ handle)
{
    const std::lock_guard lock(mutex_);
    return FindLocked(handle);
}

void HandleTable::AdjustSelectCount(HGDIOBJ handle, int32_t delta)
{
    const std::lock_guard lock(mutex_);
    if (GdiObject* object = FindLocked(handle))
        object->selectCount += delta;
}

GdiObject* HandleTable::FindLocked(HGDIOBJ handle)
{
    const uint32_t slot = (handle & kMaxSlots) - 1;
    if ((handle & kMaxSlots) == 0 || slot >= slots_.size())
        return nullptr;
    const Slot& entry = slots_[slot];
    if (entry.generation != handle >> kSlotBits)
        return nullptr;
    return entry.object.get();
}

bool HandleTable::Remove(HGDIOBJ handle)
{
    const std::lock_guard lock(mutex_);
    GdiObject* object = FindLocked(handle);
    if (!object || object->stock)
        return false;
    const uint32_t slot = (handle & kMaxSlots) - 1;
    --live_[object->kind];
    slots_[slot].object.reset();
    slots_[slot].generation = (slots_[slot].generation + 1) & kGenerationMask;
    freeSlots_.push_back(slot);
    return true;
}

HGDIOBJ HandleTable::Stock(int32_t index) const
{
    if (index < 0 || index >= kStockCount)
        return 0;
    return stock_[static_cast<size_t>(index)];
}

int32_t HandleTable::LiveCount(int32_t kind) const
{
    const std::lock_guard lock(mutex_);
    if (kind == 0) {
        int32_t total = 0;
        for (int32_t count : live_)
            total += count;
        return total;
    }
    if (kind == OBJ_DC)
        kind = OBJ_MEMDC;
    if (kind < 0 || kind > OBJ_MEMDC)
        return 0;
    return live_[kind];
}

HandleTable& Handles()
{
    static HandleTable table;
    return table;
}

} // namespace gdi
