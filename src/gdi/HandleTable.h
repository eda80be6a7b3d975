// The process-wide table that maps 32-bit handles to GDI objects.
#pragma once

#include "GdiObjects.h"

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace gdi {

// A handle is (generation << 20) | (slot + 1): never 0, and a deleted handle stays refused until
// its slot has been reused 4096 times. Freed slots are reused oldest first.
//
// Threads: the table's own operations are serialised by one lock, so graphs on different threads
// may create, find and delete objects at once. An object found stays where it is until it is
// deleted; its contents belong to the thread that made it, except the stock objects, which
// nothing changes once made (their selection counts change only under the lock).
class HandleTable {
public:
    HandleTable();

    // 0 when the table is full.
    HGDIOBJ Add(GdiObject object);
    GdiObject* Find(HGDIOBJ handle);
    // Removes a live, non-stock object; false otherwise.
    bool Remove(HGDIOBJ handle);
    // Stock objects have fixed handles; 0 for an unknown stock index.
    HGDIOBJ Stock(int32_t index) const;
    HBITMAP DefaultBitmap() const { return defaultBitmap_; }
    int32_t LiveCount(int32_t kind) const;
    // Adds delta to the selection count of the object, if there is one.
    void AdjustSelectCount(HGDIOBJ handle, int32_t delta);

    template <class T> T* FindAs(HGDIOBJ handle)
    {
        GdiObject* object = Find(handle);
        return object ? std::get_if<T>(&object->data) : nullptr;
    }

private:
    struct Slot {
        uint32_t generation = 0;
        std::unique_ptr<GdiObject> object;
    };

    static constexpr uint32_t kSlotBits = 20;
    static constexpr uint32_t kMaxSlots = (1u << kSlotBits) - 1;
    static constexpr uint32_t kGenerationMask = (1u << (32 - kSlotBits)) - 1;
    static constexpr int32_t kStockCount = 18;

    HGDIOBJ AddStock(GdiObject object);
    GdiObject* FindLocked(HGDIOBJ handle);

    std::vector<Slot> slots_;
    std::deque<uint32_t> freeSlots_;
    std::vector<HGDIOBJ> stock_;
    HBITMAP defaultBitmap_ = 0;
    int32_t live_[OBJ_MEMDC + 1] = {};
    mutable std::mutex mutex_;
};

// The one table of the process.
HandleTable& Handles();

} // namespace gdi
