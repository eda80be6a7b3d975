// PanelData: one panel, an ordered list of shared items shown or hidden as a whole.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vantrel/DoubleArray.h>
#include <vantrel/Enums.h>
#include <vantrel/Ref.h>
#include <vantrel/Variant.h>
#include <vantrel/XYItem.h>
#include <vantrel/XYItem_Data.h>
#include <vantrel/XYItem_Label.h>
#include <vantrel/XYItem_Shape.h>
#include <vector>

namespace vantrel {

// Positions count from 1. The list holds the host's objects themselves: one item may sit in
// several panels, or twice in one. TypeCounts[k] counts the entries whose TypeID was k when
// they were added; Item put replaces an entry without touching the counts.
class PanelData {
public:
    PanelData() = default;
    ~PanelData();
    // Panels are shared by reference, never copied.
    PanelData(const PanelData&) = delete;
    PanelData& operator=(const PanelData&) = delete;

    const std::string& Name() const { return name_; }
    void Name(const std::string& value) { name_ = value; }
    bool Enabled() const { return enabled_; }
    void Enabled(bool value) { enabled_ = value; }
    // Stored only; nothing reads it.
    bool Selected() const { return selected_; }
    void Selected(bool value) { selected_ = value; }
    Variant Tag() const { return tag_; }
    void Tag(const Variant& value) { tag_ = value; }

    // Inserts before position Index when it is 1 .. Count, appends for any other Index.
    // Error 91 for an absent item, Error 9 for a TypeID outside 0 .. 3. The counter that grows
    // is chosen by TypeID, whichever of the four is called.
    void AddItem(const Ref<XYItem>& NewItem, int32_t Index = -1);
    void AddData(const Ref<XYItem_Data>& NewData, int32_t Index = -1);
    void AddLabel(const Ref<XYItem_Label>& NewLabel, int32_t Index = -1);
    void AddShape(const Ref<XYItem_Shape>& NewShape, int32_t Index = -1);

    // Make a new item, set it from the arguments, insert it at Index and return it.
    // DrawWidth outside the 16-bit range raises Error 6; a negative one leaves the item's 0.
    // A Length the arrays cannot hold raises Error 9 (see XYItem_Data). Nothing is added then.
    Ref<XYItem_Data> CreateData(const DoubleArray& X, const DoubleArray& Y, int32_t Length,
        GraphDataTypeConstants GraphType, int32_t Index = -1, const std::string& Name = "",
        bool Enabled = true, int32_t Color1 = 255, bool InterleavedData = false,
        int32_t Color2 = 255, int32_t DrawWidth = 1, int32_t DrawStyle = 0, int32_t DrawMode = 13);
    Ref<XYItem_Data> CreateIntervalData(double XStart, double XInterval, const DoubleArray& Y,
        int32_t Length, GraphDataTypeConstants GraphType, int32_t Index = -1,
        const std::string& Name = "", bool Enabled = true, int32_t Color1 = 255,
        bool InterleavedData = false, int32_t Color2 = 255, int32_t DrawWidth = 1,
        int32_t DrawStyle = 0, int32_t DrawMode = 13);
    // The same, taking the arrays over instead of copying them.
    Ref<XYItem_Data> CreateData(DoubleArray&& X, DoubleArray&& Y, int32_t Length,
        GraphDataTypeConstants GraphType, int32_t Index = -1, const std::string& Name = "",
        bool Enabled = true, int32_t Color1 = 255, bool InterleavedData = false,
        int32_t Color2 = 255, int32_t DrawWidth = 1, int32_t DrawStyle = 0, int32_t DrawMode = 13);
    Ref<XYItem_Data> CreateIntervalData(double XStart, double XInterval, DoubleArray&& Y,
        int32_t Length, GraphDataTypeConstants GraphType, int32_t Index = -1,
        const std::string& Name = "", bool Enabled = true, int32_t Color1 = 255,
        bool InterleavedData = false, int32_t Color2 = 255, int32_t DrawWidth = 1,
        int32_t DrawStyle = 0, int32_t DrawMode = 13);
    Ref<XYItem_Label> CreateLabel(double X, double Y, const std::string& Text, int32_t Index = -1,
        const std::string& Name = "", int32_t Color = 0, bool Enabled = true);
    Ref<XYItem_Shape> CreateShape(GraphShapeTypeConstants ShapeType, double X1, double Y1,
        double X2, double Y2, int32_t Index = -1, const std::string& Name = "", int32_t Color = 255,
        bool Fill = false, int32_t FillColor = 255, bool Enabled = true, int32_t DrawWidth = 1,
        int32_t DrawStyle = 0, int32_t DrawMode = 13);

    // The entry ends at NewIndex, the others keep their order. Error 9 unless both are 1 .. Count.
    void Move(int32_t OldIndex, int32_t NewIndex);
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    // Error 9 unless Index is 1 .. Count; the put also raises Error 91 for an absent item.
    Ref<XYItem> Item(int32_t Index) const;
    void Item(int32_t Index, Ref<XYItem> value);

    // The n-th item of a kind, counted by TypeID. No such item (n below 1 included) gives an
    // empty Ref; an item that reports the kind without being of its class raises Error 13.
    int32_t DataCount() const { return typeCounts_[gxyData]; }
    Ref<XYItem_Data> Data(int32_t DataIndex) const;
    int32_t LabelCount() const { return typeCounts_[gxyLabel]; }
    Ref<XYItem_Label> Label(int32_t LabelIndex) const;
    int32_t ShapeCount() const { return typeCounts_[gxyShape]; }
    Ref<XYItem_Shape> Shape(int32_t ShapeIndex) const;

    // Nothing happens on an empty list, whatever Index is. Otherwise Error 9 unless Index is
    // 1 .. Count, and also when the item's TypeID has meanwhile left 0 .. 3.
    void Remove(int32_t Index);
    void Clear();

    // Internal: the counter of TypeID k, 0 .. 3 (Error 9 otherwise).
    int32_t TypeCounts(int32_t k) const;

private:
    template <class XArray, class YArray>
    Ref<XYItem_Data> CreatePointData(XArray&& X, YArray&& Y, int32_t Length,
        GraphDataTypeConstants GraphType, int32_t Index, const std::string& Name, bool Enabled,
        int32_t Color1, bool InterleavedData, int32_t Color2, int32_t DrawWidth, int32_t DrawStyle,
        int32_t DrawMode);
    template <class YArray>
    Ref<XYItem_Data> CreateIntervalSeries(double XStart, double XInterval, YArray&& Y,
        int32_t Length, GraphDataTypeConstants GraphType, int32_t Index, const std::string& Name,
        bool Enabled, int32_t Color1, bool InterleavedData, int32_t Color2, int32_t DrawWidth,
        int32_t DrawStyle, int32_t DrawMode);
    template <class T> Ref<T> KindView(GraphXYItemConstants kind, int32_t kindIndex) const;

    std::string name_;
    bool enabled_ = true;
    bool selected_ = false;
    Variant tag_;
    std::vector<Ref<XYItem>> items_;
    std::array<int32_t, 4> typeCounts_ {};
};

} // namespace vantrel
