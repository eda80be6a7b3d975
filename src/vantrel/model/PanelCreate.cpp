// PanelData's Create methods: a new item set from the arguments, then inserted like AddItem.
#include <limits>
#include <vantrel/Error.h>
#include <vantrel/PanelData.h>

namespace vantrel {

namespace {

// The 32-bit DrawWidth argument as the 16-bit property takes it; Error 6 when it does not
// fit. A negative width that fits is passed on and ignored by the item's put.
int16_t NarrowDrawWidth(int32_t drawWidth)
{
    if (drawWidth < std::numeric_limits<int16_t>::min()
        || drawWidth > std::numeric_limits<int16_t>::max())
        throw Error(errOverflow);
    return static_cast<int16_t>(drawWidth);
}

// The settings both series creators apply after the arrays, in this order.
void SetSeriesStyle(XYItem_Data& item, GraphDataTypeConstants graphType, const std::string& name,
    bool enabled, int32_t color1, bool interleavedData, int32_t color2, int32_t drawWidth,
    int32_t drawStyle, int32_t drawMode)
{
    item.GraphType(graphType);
    item.Name(name);
    item.Enabled(enabled);
    item.Color1(color1);
    item.InterleavedData(interleavedData);
    item.Color2(color2);
    item.DrawWidth(NarrowDrawWidth(drawWidth));
    item.DrawStyle(drawStyle);
    item.DrawMode(drawMode);
}

} // namespace

template <class XArray, class YArray>
Ref<XYItem_Data> PanelData::CreatePointData(XArray&& X, YArray&& Y, int32_t Length,
    GraphDataTypeConstants GraphType, int32_t Index, const std::string& Name, bool Enabled,
    int32_t Color1, bool InterleavedData, int32_t Color2, int32_t DrawWidth, int32_t DrawStyle,
    int32_t DrawMode)
{
    auto item = std::make_shared<XYItem_Data>();
    item->SetArrays(std::forward<XArray>(X), std::forward<YArray>(Y), Length);
    SetSeriesStyle(*item, GraphType, Name, Enabled, Color1, InterleavedData, Color2, DrawWidth,
        DrawStyle, DrawMode);
    AddItem(item, Index);
    return item;
}

template <class YArray>
Ref<XYItem_Data> PanelData::CreateIntervalSeries(double XStart, double XInterval, YArray&& Y,
    int32_t Length, GraphDataTypeConstants GraphType, int32_t Index, const std::string& Name,
    bool Enabled, int32_t Color1, bool InterleavedData, int32_t Color2, int32_t DrawWidth,
    int32_t DrawStyle, int32_t DrawMode)
{
    auto item = std::make_shared<XYItem_Data>();
    item->UseInterval(true);
    item->SetYArray(std::forward<YArray>(Y), Length);
    item->XStart(XStart);
    item->XInterval(XInterval);
    SetSeriesStyle(*item, GraphType, Name, Enabled, Color1, InterleavedData, Color2, DrawWidth,
        DrawStyle, DrawMode);
    AddItem(item, Index);
    return item;
}

Ref<XYItem_Data> PanelData::CreateData(const DoubleArray& X, const DoubleArray& Y, int32_t Length,
    GraphDataTypeConstants GraphType, int32_t Index, const std::string& Name, bool Enabled,
    int32_t Color1, bool InterleavedData, int32_t Color2, int32_t DrawWidth, int32_t DrawStyle,
    int32_t DrawMode)
{
    return CreatePointData(X, Y, Length, GraphType, Index, Name, Enabled, Color1, InterleavedData,
        Color2, DrawWidth, DrawStyle, DrawMode);
}

Ref<XYItem_Data> PanelData::CreateData(DoubleArray&& X, DoubleArray&& Y, int32_t Length,
    GraphDataTypeConstants GraphType, int32_t Index, const std::string& Name, bool Enabled,
    int32_t Color1, bool InterleavedData, int32_t Color2, int32_t DrawWidth, int32_t DrawStyle,
    int32_t DrawMode)
{
    return CreatePointData(std::move(X), std::move(Y), Length, GraphType, Index, Name, Enabled,
        Color1, InterleavedData, Color2, DrawWidth, DrawStyle, DrawMode);
}

Ref<XYItem_Data> PanelData::CreateIntervalData(double XStart, double XInterval,
    const DoubleArray& Y, int32_t Length, GraphDataTypeConstants GraphType, int32_t Index,
    const std::string& Name, bool Enabled, int32_t Color1, bool InterleavedData, int32_t Color2,
    int32_t DrawWidth, int32_t DrawStyle, int32_t DrawMode)
{
    return CreateIntervalSeries(XStart, XInterval, Y, Length, GraphType, Index, Name, Enabled,
        Color1, InterleavedData, Color2, DrawWidth, DrawStyle, DrawMode);
}

Ref<XYItem_Data> PanelData::CreateIntervalData(double XStart, double XInterval, DoubleArray&& Y,
    int32_t Length, GraphDataTypeConstants GraphType, int32_t Index, const std::string& Name,
    bool Enabled, int32_t Color1, bool InterleavedData, int32_t Color2, int32_t DrawWidth,
    int32_t DrawStyle, int32_t DrawMode)
{
    return CreateIntervalSeries(XStart, XInterval, std::move(Y), Length, GraphType, Index, Name,
        Enabled, Color1, InterleavedData, Color2, DrawWidth, DrawStyle, DrawMode);
}

Ref<XYItem_Label> PanelData::CreateLabel(double X, double Y, const std::string& Text, int32_t Index,
    const std::string& Name, int32_t Color, bool Enabled)
{
    auto item = std::make_shared<XYItem_Label>();
    item->Text(Text);
    item->Color(Color);
    item->Y(Y);
    item->X(X);
    item->Name(Name);
    item->Enabled(Enabled);
    AddItem(item, Index);
    return item;
}

Ref<XYItem_Shape> PanelData::CreateShape(GraphShapeTypeConstants ShapeType, double X1, double Y1,
    double X2, double Y2, int32_t Index, const std::string& Name, int32_t Color, bool Fill,
    int32_t FillColor, bool Enabled, int32_t DrawWidth, int32_t DrawStyle, int32_t DrawMode)
{
    auto item = std::make_shared<XYItem_Shape>();
    item->DrawWidth(NarrowDrawWidth(DrawWidth));
    item->DrawMode(DrawMode);
    item->DrawStyle(DrawStyle);
    item->ShapeType(ShapeType);
    item->Fill(Fill);
    item->FillColor(FillColor);
    item->Name(Name);
    item->Enabled(Enabled);
    item->Color(Color);
    item->Y2(Y2);
    item->Y1(Y1);
    item->X2(X2);
    item->X1(X1);
    AddItem(item, Index);
    return item;
}

} // namespace vantrel
