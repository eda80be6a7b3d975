// Drawing the host's items and panels, and the workers that replay retained data.
#include "control/OrvGraphImpl.h"

#include <vantrel/Error.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

namespace {

// An item is taken as the class its TypeID names; another class is a type mismatch.
template <class T> const T& TakenAs(const Ref<XYItem>& item)
{
    const auto* typed = dynamic_cast<const T*>(item.get());
    if (!typed)
        throw Error(errTypeMismatch);
    return *typed;
}

template <class T> const T& Required(const Ref<T>& object)
{
    if (!object)
        throw Error(errObjectNotSet);
    return *object;
}

} // namespace

// The common frame of the four item methods: retention comes before the frame is drawn, and
// the host's object itself joins the keep panel.
template <class Item, class Retain, class Draw>
void OrvGraph::Impl::DrawFromObject(
    const Ref<Item>& object, bool bRefresh, Retain retain, Draw draw)
{
    if (!scaled_)
        return;
    // Refused before the keep panel is fetched, which may add one.
    if (!object)
        throw Error(errObjectNotSet);
    BeginDrawing(FrameDrawing::unlessFormatted, [&] {
        if (keepData_)
            retain(*KeepPanel(), object);
    });
    draw(object);
    EndDrawing(bRefresh);
}

void OrvGraph::Impl::DrawFromSource(const Ref<XYItem_Data>& XY, bool bRefresh)
{
    DrawFromObject(
        XY, bRefresh, [](PanelData& keep, const Ref<XYItem_Data>& o) { keep.AddData(o, -1); },
        [this](const Ref<XYItem_Data>& o) { DrawDataItem(Required(o)); });
}

void OrvGraph::Impl::DrawFromLabel(const Ref<XYItem_Label>& Lbl, bool bRefresh)
{
    DrawFromObject(
        Lbl, bRefresh, [](PanelData& keep, const Ref<XYItem_Label>& o) { keep.AddLabel(o, -1); },
        [this](const Ref<XYItem_Label>& o) { DrawLabelItem(Required(o)); });
}

void OrvGraph::Impl::DrawFromShape(const Ref<XYItem_Shape>& Shp, bool bRefresh)
{
    DrawFromObject(
        Shp, bRefresh, [](PanelData& keep, const Ref<XYItem_Shape>& o) { keep.AddShape(o, -1); },
        [this](const Ref<XYItem_Shape>& o) { DrawShapeItem(Required(o)); });
}

void OrvGraph::Impl::DrawFromItem(const Ref<XYItem>& Item, bool bRefresh)
{
    DrawFromObject(
        Item, bRefresh, [](PanelData& keep, const Ref<XYItem>& o) { keep.AddItem(o, -1); },
        [this](const Ref<XYItem>& o) { DrawXYItem(o); });
}

// The panel is drawn first and appended afterwards; from then on it is the keep panel.
void OrvGraph::Impl::DrawFromPanel(const Ref<PanelData>& Panel, bool bRefresh)
{
    if (!scaled_)
        return;
    // Refused before the frame is drawn.
    if (!Panel)
        throw Error(errObjectNotSet);
    BeginDrawing();
    DrawPanelItems(Panel);
    if (keepData_)
        currentData_->PanelList()->Add(Panel, -1);
    EndDrawing(bRefresh);
}

// The item's pen settings go through the control's setters and stay in force afterwards.
void OrvGraph::Impl::DrawDataItem(const XYItem_Data& XY)
{
    if (!XY.Enabled())
        return;
    DrawWidth(XY.DrawWidth());
    DrawStyle(XY.DrawStyle());
    DrawMode(XY.DrawMode());
    if (PlotSummarised(XY))
        return;
    // The item's own arrays, read-only: plotting never changes them, so no copy is needed.
    PlotSeries(XY.GraphType(), XY.XView(), XY.YView(), XY.Length(), XY.Color1(), XY.Color2(),
        XY.InterleavedData(), XY.UseInterval());
}

void OrvGraph::Impl::DrawLabelItem(const XYItem_Label& Lbl)
{
    if (!Lbl.Enabled())
        return;
    PaintLabel(Lbl.X(), Lbl.Y(), Lbl.Text(), Lbl.Color());
}

// The shape's pen settings stay in force afterwards, also for a shape type that draws nothing.
void OrvGraph::Impl::DrawShapeItem(const XYItem_Shape& Shp)
{
    if (!Shp.Enabled())
        return;
    DrawWidth(Shp.DrawWidth());
    DrawStyle(Shp.DrawStyle());
    DrawMode(Shp.DrawMode());
    switch (Shp.ShapeType()) {
    case gstEllipse:
        PaintBox(render::BoxFigure::Ellipse, Shp.X1(), Shp.Y1(), Shp.X2(), Shp.Y2(), Shp.Color(),
            Shp.Fill(), Shp.FillColor());
        break;
    case gstLine:
        PaintLine(Shp.X1(), Shp.Y1(), Shp.X2(), Shp.Y2(), Shp.Color());
        break;
    case gstPoint:
        PaintPoint(Shp.X1(), Shp.Y1(), Shp.Color());
        break;
    case gstRectangle:
        PaintBox(render::BoxFigure::Rectangle, Shp.X1(), Shp.Y1(), Shp.X2(), Shp.Y2(), Shp.Color(),
            Shp.Fill(), Shp.FillColor());
        break;
    default:
        break;
    }
}

// Enabled is not looked at here; each worker tests its own item. Type 3 and unknown types
// draw nothing.
void OrvGraph::Impl::DrawXYItem(const Ref<XYItem>& Item)
{
    switch (Required(Item).TypeID()) {
    case gxyData:
        DrawDataItem(TakenAs<XYItem_Data>(Item));
        break;
    case gxyLabel:
        DrawLabelItem(TakenAs<XYItem_Label>(Item));
        break;
    case gxyShape:
        DrawShapeItem(TakenAs<XYItem_Shape>(Item));
        break;
    default:
        break;
    }
}

// The count is read once: items added while drawing are not drawn this time.
void OrvGraph::Impl::DrawPanelItems(const Ref<PanelData>& Panel)
{
    const PanelData& panel = Required(Panel);
    if (!panel.Enabled())
        return;
    const int32_t count = panel.Count();
    for (int32_t i = 1; i <= count; ++i)
        DrawXYItem(panel.Item(i));
}

void OrvGraph::Impl::DrawCurrentData(const Ref<GraphData>& Data)
{
    const int32_t count = Required(Data).PanelList()->Count();
    for (int32_t i = 1; i <= count; ++i)
        DrawPanelItems(Data->PanelList()->Item(i));
}

} // namespace vantrel
