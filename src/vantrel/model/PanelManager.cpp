// PanelManager: insertion, moving and removal in the list of panels.
#include "ListPositions.h"

#include <vantrel/Error.h>
#include <vantrel/PanelManager.h>

namespace vantrel {

PanelManager::~PanelManager() { Clear(); }

void PanelManager::Add(const Ref<PanelData>& NewPanel, int32_t Index)
{
    if (!NewPanel)
        throw Error(errObjectNotSet);
    std::size_t at = model::InsertOffset(panels_, Index);
    panels_.insert(panels_.begin() + static_cast<std::ptrdiff_t>(at), NewPanel);
}

void PanelManager::Move(int32_t OldIndex, int32_t NewIndex)
{
    model::MoveEntry(panels_, OldIndex, NewIndex);
}

Ref<PanelData> PanelManager::Item(int32_t Index) const
{
    return panels_[model::CheckedOffset(panels_, Index)];
}

void PanelManager::Item(int32_t Index, Ref<PanelData> value)
{
    if (!value)
        throw Error(errObjectNotSet);
    panels_[model::CheckedOffset(panels_, Index)] = std::move(value);
}

void PanelManager::Remove(int32_t Index)
{
    if (panels_.empty())
        return;
    std::size_t at = model::CheckedOffset(panels_, Index);
    panels_.erase(panels_.begin() + static_cast<std::ptrdiff_t>(at));
}

void PanelManager::Clear() { panels_.clear(); }

} // namespace vantrel
