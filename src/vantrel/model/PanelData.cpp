// PanelData: insertion, moving, removal and the per-kind views of a panel's item list.
#include "ListPositions.h"

#include <vantrel/Error.h>
#include <vantrel/PanelData.h>

namespace vantrel {

namespace {

// The counter slot of a TypeID; Error 9 outside 0 .. 3.
std::size_t CounterOf(GraphXYItemConstants kind)
{
    if (kind < gxyData || kind > gxyData_Y)
        throw Error(errSubscriptOutOfRange);
    return static_cast<std::size_t>(kind);
}

} // namespace

PanelData::~PanelData() { Clear(); }

void PanelData::AddItem(const Ref<XYItem>& NewItem, int32_t Index)
{
    if (!NewItem)
        throw Error(errObjectNotSet);
    std::size_t counter = CounterOf(NewItem->TypeID());
    std::size_t at = model::InsertOffset(items_, Index);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), NewItem);
    ++typeCounts_[counter];
}

void PanelData::AddData(const Ref<XYItem_Data>& NewData, int32_t Index) { AddItem(NewData, Index); }

void PanelData::AddLabel(const Ref<XYItem_Label>& NewLabel, int32_t Index)
{
    AddItem(NewLabel, Index);
}

void PanelData::AddShape(const Ref<XYItem_Shape>& NewShape, int32_t Index)
{
    AddItem(NewShape, Index);
}

void PanelData::Move(int32_t OldIndex, int32_t NewIndex)
{
    model::MoveEntry(items_, OldIndex, NewIndex);
}

Ref<XYItem> PanelData::Item(int32_t Index) const
{
    return items_[model::CheckedOffset(items_, Index)];
}

void PanelData::Item(int32_t Index, Ref<XYItem> value)
{
    if (!value)
        throw Error(errObjectNotSet);
    items_[model::CheckedOffset(items_, Index)] = std::move(value);
}

template <class T> Ref<T> PanelData::KindView(GraphXYItemConstants kind, int32_t kindIndex) const
{
    int32_t seen = 0;
    for (const Ref<XYItem>& item : items_) {
        if (item->TypeID() != kind || ++seen != kindIndex)
            continue;
        Ref<T> typed = std::dynamic_pointer_cast<T>(item);
        if (!typed)
            throw Error(errTypeMismatch);
        return typed;
    }
    return nullptr;
}

Ref<XYItem_Data> PanelData::Data(int32_t DataIndex) const
{
    return KindView<XYItem_Data>(gxyData, DataIndex);
}

Ref<XYItem_Label> PanelData::Label(int32_t LabelIndex) const
{
    return KindView<XYItem_Label>(gxyLabel, LabelIndex);
}

Ref<XYItem_Shape> PanelData::Shape(int32_t ShapeIndex) const
{
    return KindView<XYItem_Shape>(gxyShape, ShapeIndex);
}

void PanelData::Remove(int32_t Index)
{
    if (items_.empty())
        return;
    std::size_t at = model::CheckedOffset(items_, Index);
    std::size_t counter = CounterOf(items_[at]->TypeID());
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
    --typeCounts_[counter];
}

void PanelData::Clear()
{
    items_.clear();
    typeCounts_ = {};
}

int32_t PanelData::TypeCounts(int32_t k) const
{
    return typeCounts_[CounterOf(static_cast<GraphXYItemConstants>(k))];
}

} // namespace vantrel
