// PanelManager: the ordered list of shared panels of a data source.
#pragma once

#include <cstdint>
#include <vantrel/PanelData.h>
#include <vantrel/Ref.h>
#include <vector>

namespace vantrel {

// Positions count from 1. The list holds the host's panels themselves.
class PanelManager {
public:
    PanelManager() = default;
    ~PanelManager();
    PanelManager(const PanelManager&) = delete;
    PanelManager& operator=(const PanelManager&) = delete;

    // Inserts before position Index when it is 1 .. Count, appends for any other Index.
    // Error 91 for an absent panel.
    void Add(const Ref<PanelData>& NewPanel, int32_t Index = -1);
    // The entry ends at NewIndex, the others keep their order. Error 9 unless both are 1 .. Count.
    void Move(int32_t OldIndex, int32_t NewIndex);
    int32_t Count() const { return static_cast<int32_t>(panels_.size()); }
    // Error 9 unless Index is 1 .. Count; the put also raises Error 91 for an absent panel.
    Ref<PanelData> Item(int32_t Index) const;
    void Item(int32_t Index, Ref<PanelData> value);
    // Nothing happens on an empty list, whatever Index is; otherwise Error 9 unless 1 .. Count.
    void Remove(int32_t Index);
    void Clear();

private:
    std::vector<Ref<PanelData>> panels_;
};

} // namespace vantrel
