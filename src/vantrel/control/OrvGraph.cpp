// OrvGraph: the public members, each handed to the implementation object.
#include "control/OrvGraphImpl.h"

namespace vantrel {

OrvGraph::OrvGraph(platform::ControlContainer& container, platform::PictureSurface& frame,
    platform::PictureSurface& inside)
    : impl_(std::make_unique<Impl>(container, frame, inside))
{
}

OrvGraph::~OrvGraph() = default;

void OrvGraph::InitProperties() { impl_->InitProperties(); }
void OrvGraph::Resize() { impl_->Resize(); }
void OrvGraph::AmbientChanged(std::string_view name) { impl_->AmbientChanged(name); }
void OrvGraph::SetEventSink(OrvGraphEvents* sink) { impl_->SetEventSink(sink); }
GraphAppearanceConstants OrvGraph::FrameAppearance() const { return impl_->FrameAppearance(); }
void OrvGraph::FrameAppearance(GraphAppearanceConstants value) { impl_->FrameAppearance(value); }
GraphAppearanceConstants OrvGraph::InsideAppearance() const { return impl_->InsideAppearance(); }
void OrvGraph::InsideAppearance(GraphAppearanceConstants value) { impl_->InsideAppearance(value); }
int32_t OrvGraph::FrameMousePointer() const { return impl_->FrameMousePointer(); }
void OrvGraph::FrameMousePointer(int32_t value) { impl_->FrameMousePointer(value); }
int32_t OrvGraph::InsideMousePointer() const { return impl_->InsideMousePointer(); }
void OrvGraph::InsideMousePointer(int32_t value) { impl_->InsideMousePointer(value); }
bool OrvGraph::Enabled() const { return impl_->Enabled(); }
void OrvGraph::Enabled(bool value) { impl_->Enabled(value); }
OleColor OrvGraph::FrameForeColor() const { return impl_->FrameForeColor(); }
void OrvGraph::FrameForeColor(OleColor value) { impl_->FrameForeColor(value); }
OleColor OrvGraph::FrameBackColor() const { return impl_->FrameBackColor(); }
void OrvGraph::FrameBackColor(OleColor value) { impl_->FrameBackColor(value); }
OleColor OrvGraph::InsideBackColor() const { return impl_->InsideBackColor(); }
void OrvGraph::InsideBackColor(OleColor value) { impl_->InsideBackColor(value); }
bool OrvGraph::FrameEnabled() const { return impl_->FrameEnabled(); }
void OrvGraph::FrameEnabled(bool value) { impl_->FrameEnabled(value); }
float OrvGraph::FrameLeft() const { return impl_->FrameLeft(); }
void OrvGraph::FrameLeft(float value) { impl_->FrameLeft(value); }
float OrvGraph::FrameTop() const { return impl_->FrameTop(); }
void OrvGraph::FrameTop(float value) { impl_->FrameTop(value); }
float OrvGraph::FrameRight() const { return impl_->FrameRight(); }
void OrvGraph::FrameRight(float value) { impl_->FrameRight(value); }
float OrvGraph::FrameBottom() const { return impl_->FrameBottom(); }
void OrvGraph::FrameBottom(float value) { impl_->FrameBottom(value); }
bool OrvGraph::KeepData() const { return impl_->KeepData(); }
void OrvGraph::KeepData(bool value) { impl_->KeepData(value); }
bool OrvGraph::ZoomEnabled() const { return impl_->ZoomEnabled(); }
void OrvGraph::ZoomEnabled(bool value) { impl_->ZoomEnabled(value); }
int32_t OrvGraph::DrawStyle() const { return impl_->DrawStyle(); }
void OrvGraph::DrawStyle(int32_t value) { impl_->DrawStyle(value); }
int32_t OrvGraph::DrawMode() const { return impl_->DrawMode(); }
void OrvGraph::DrawMode(int32_t value) { impl_->DrawMode(value); }
int16_t OrvGraph::DrawWidth() const { return impl_->DrawWidth(); }
void OrvGraph::DrawWidth(int16_t value) { impl_->DrawWidth(value); }
bool OrvGraph::CirclePoints() const { return impl_->CirclePoints(); }
void OrvGraph::CirclePoints(bool value) { impl_->CirclePoints(value); }
int32_t OrvGraph::CircleRadius() const { return impl_->CircleRadius(); }
void OrvGraph::CircleRadius(int32_t value) { impl_->CircleRadius(value); }
bool OrvGraph::CubicFit() const { return impl_->CubicFit(); }
void OrvGraph::CubicFit(bool value) { impl_->CubicFit(value); }
double OrvGraph::CubicFitInterval() const { return impl_->CubicFitInterval(); }
void OrvGraph::CubicFitInterval(double value) { impl_->CubicFitInterval(value); }
GraphAxisTypeConstants OrvGraph::XAxisType() const { return impl_->XAxisType(); }
void OrvGraph::XAxisType(GraphAxisTypeConstants value) { impl_->XAxisType(value); }
GraphGridStyleConstants OrvGraph::XGridStyle() const { return impl_->XGridStyle(); }
void OrvGraph::XGridStyle(GraphGridStyleConstants value) { impl_->XGridStyle(value); }
int32_t OrvGraph::XGridLines() const { return impl_->XGridLines(); }
void OrvGraph::XGridLines(int32_t value) { impl_->XGridLines(value); }
OleColor OrvGraph::XGridColor() const { return impl_->XGridColor(); }
void OrvGraph::XGridColor(OleColor value) { impl_->XGridColor(value); }
std::string OrvGraph::XAxisName() const { return impl_->XAxisName(); }
void OrvGraph::XAxisName(const std::string& value) { impl_->XAxisName(value); }
std::string OrvGraph::XAxisUnits() const { return impl_->XAxisUnits(); }
void OrvGraph::XAxisUnits(const std::string& value) { impl_->XAxisUnits(value); }
bool OrvGraph::XAxisValues() const { return impl_->XAxisValues(); }
void OrvGraph::XAxisValues(bool value) { impl_->XAxisValues(value); }
bool OrvGraph::XAxisToolTip() const { return impl_->XAxisToolTip(); }
void OrvGraph::XAxisToolTip(bool value) { impl_->XAxisToolTip(value); }
GraphAxisValueFormatConstants OrvGraph::XAxisValueFormat() const
{
    return impl_->XAxisValueFormat();
}
void OrvGraph::XAxisValueFormat(GraphAxisValueFormatConstants value)
{
    impl_->XAxisValueFormat(value);
}
int32_t OrvGraph::XAxisValuePrecision() const { return impl_->XAxisValuePrecision(); }
void OrvGraph::XAxisValuePrecision(int32_t value) { impl_->XAxisValuePrecision(value); }
double OrvGraph::XOrigin() const { return impl_->XOrigin(); }
void OrvGraph::XOrigin(double value) { impl_->XOrigin(value); }
OleColor OrvGraph::XOriginColor() const { return impl_->XOriginColor(); }
void OrvGraph::XOriginColor(OleColor value) { impl_->XOriginColor(value); }
GraphGridStyleConstants OrvGraph::XOriginStyle() const { return impl_->XOriginStyle(); }
void OrvGraph::XOriginStyle(GraphGridStyleConstants value) { impl_->XOriginStyle(value); }
GraphAxisTypeConstants OrvGraph::YAxisType() const { return impl_->YAxisType(); }
void OrvGraph::YAxisType(GraphAxisTypeConstants value) { impl_->YAxisType(value); }
GraphGridStyleConstants OrvGraph::YGridStyle() const { return impl_->YGridStyle(); }
void OrvGraph::YGridStyle(GraphGridStyleConstants value) { impl_->YGridStyle(value); }
int32_t OrvGraph::YGridLines() const { return impl_->YGridLines(); }
void OrvGraph::YGridLines(int32_t value) { impl_->YGridLines(value); }
OleColor OrvGraph::YGridColor() const { return impl_->YGridColor(); }
void OrvGraph::YGridColor(OleColor value) { impl_->YGridColor(value); }
std::string OrvGraph::YAxisName() const { return impl_->YAxisName(); }
void OrvGraph::YAxisName(const std::string& value) { impl_->YAxisName(value); }
std::string OrvGraph::YAxisUnits() const { return impl_->YAxisUnits(); }
void OrvGraph::YAxisUnits(const std::string& value) { impl_->YAxisUnits(value); }
bool OrvGraph::YAxisValues() const { return impl_->YAxisValues(); }
void OrvGraph::YAxisValues(bool value) { impl_->YAxisValues(value); }
bool OrvGraph::YAxisToolTip() const { return impl_->YAxisToolTip(); }
void OrvGraph::YAxisToolTip(bool value) { impl_->YAxisToolTip(value); }
GraphAxisValueFormatConstants OrvGraph::YAxisValueFormat() const
{
    return impl_->YAxisValueFormat();
}
void OrvGraph::YAxisValueFormat(GraphAxisValueFormatConstants value)
{
    impl_->YAxisValueFormat(value);
}
int32_t OrvGraph::YAxisValuePrecision() const { return impl_->YAxisValuePrecision(); }
void OrvGraph::YAxisValuePrecision(int32_t value) { impl_->YAxisValuePrecision(value); }
double OrvGraph::YOrigin() const { return impl_->YOrigin(); }
void OrvGraph::YOrigin(double value) { impl_->YOrigin(value); }
OleColor OrvGraph::YOriginColor() const { return impl_->YOriginColor(); }
void OrvGraph::YOriginColor(OleColor value) { impl_->YOriginColor(value); }
GraphGridStyleConstants OrvGraph::YOriginStyle() const { return impl_->YOriginStyle(); }
void OrvGraph::YOriginStyle(GraphGridStyleConstants value) { impl_->YOriginStyle(value); }
GraphZoomConstants OrvGraph::ZoomState() const { return impl_->ZoomState(); }
bool OrvGraph::DataLoaded() const { return impl_->DataLoaded(); }
bool OrvGraph::Scaled() const { return impl_->Scaled(); }
bool OrvGraph::Formatted() const { return impl_->Formatted(); }
Ref<GraphData> OrvGraph::CurrentData() const { return impl_->CurrentData(); }
double OrvGraph::XMin() const { return impl_->XMin(); }
double OrvGraph::XMax() const { return impl_->XMax(); }
double OrvGraph::YMin() const { return impl_->YMin(); }
double OrvGraph::YMax() const { return impl_->YMax(); }
int32_t OrvGraph::GraphPixelWidth() const { return impl_->GraphPixelWidth(); }
int32_t OrvGraph::GraphPixelHeight() const { return impl_->GraphPixelHeight(); }
int32_t OrvGraph::FramePixelWidth() const { return impl_->FramePixelWidth(); }
int32_t OrvGraph::FramePixelHeight() const { return impl_->FramePixelHeight(); }
void OrvGraph::Clear(bool bRefresh) { impl_->Clear(bRefresh); }
void OrvGraph::SetScale(double XMin, double YMin, double XMax, double YMax)
{
    impl_->SetScale(XMin, YMin, XMax, YMax);
}
void OrvGraph::Refresh() { impl_->Refresh(); }
void OrvGraph::Redraw() { impl_->Redraw(); }
void OrvGraph::DrawLine(double X1, double Y1, double X2, double Y2, int32_t Color, bool bRefresh)
{
    impl_->DrawLine(X1, Y1, X2, Y2, Color, bRefresh);
}
void OrvGraph::DrawRectangle(double X1, double Y1, double X2, double Y2, int32_t Color, bool Fill,
    int32_t FillColor, bool bRefresh)
{
    impl_->DrawRectangle(X1, Y1, X2, Y2, Color, Fill, FillColor, bRefresh);
}
void OrvGraph::DrawPoint(double X, double Y, int32_t Color, bool bRefresh)
{
    impl_->DrawPoint(X, Y, Color, bRefresh);
}
void OrvGraph::DrawCircle(
    double X, double Y, double Radius, int32_t Color, bool Fill, int32_t FillColor, bool bRefresh)
{
    impl_->DrawCircle(X, Y, Radius, Color, Fill, FillColor, bRefresh);
}
void OrvGraph::DrawEllipse(double X1, double Y1, double X2, double Y2, int32_t Color, bool Fill,
    int32_t FillColor, bool bRefresh)
{
    impl_->DrawEllipse(X1, Y1, X2, Y2, Color, Fill, FillColor, bRefresh);
}
void OrvGraph::DrawLabel(double X, double Y, const std::string& sText, int32_t Color, bool bRefresh)
{
    impl_->DrawLabel(X, Y, sText, Color, bRefresh);
}
void OrvGraph::DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
    const DoubleArray& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool bRefresh)
{
    impl_->DrawY(
        GraphType, XStart, XInterval, YArray, NumPoints, Color, Color2, InterleavedData, bRefresh);
}
void OrvGraph::DrawXY(GraphDataTypeConstants GraphType, const DoubleArray& XArray,
    const DoubleArray& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool bRefresh)
{
    impl_->DrawXY(GraphType, XArray, YArray, NumPoints, Color, Color2, InterleavedData, bRefresh);
}
void OrvGraph::DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
    DoubleArray&& YArray, int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData,
    bool bRefresh)
{
    impl_->DrawY(GraphType, XStart, XInterval, std::move(YArray), NumPoints, Color, Color2,
        InterleavedData, bRefresh);
}
void OrvGraph::DrawXY(GraphDataTypeConstants GraphType, DoubleArray&& XArray, DoubleArray&& YArray,
    int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData, bool bRefresh)
{
    impl_->DrawXY(GraphType, std::move(XArray), std::move(YArray), NumPoints, Color, Color2,
        InterleavedData, bRefresh);
}
void OrvGraph::DrawFromSource(const Ref<XYItem_Data>& XY, bool bRefresh)
{
    impl_->DrawFromSource(XY, bRefresh);
}
void OrvGraph::DrawFromLabel(const Ref<XYItem_Label>& Lbl, bool bRefresh)
{
    impl_->DrawFromLabel(Lbl, bRefresh);
}
void OrvGraph::DrawFromShape(const Ref<XYItem_Shape>& Shp, bool bRefresh)
{
    impl_->DrawFromShape(Shp, bRefresh);
}
void OrvGraph::DrawFromItem(const Ref<XYItem>& Item, bool bRefresh)
{
    impl_->DrawFromItem(Item, bRefresh);
}
void OrvGraph::DrawFromPanel(const Ref<PanelData>& Panel, bool bRefresh)
{
    impl_->DrawFromPanel(Panel, bRefresh);
}
void OrvGraph::DrawFromSources(
    const Ref<GraphData>& SourceData, bool bScaleGraph, bool bFormatAxes, bool bRefresh)
{
    impl_->DrawFromSources(SourceData, bScaleGraph, bFormatAxes, bRefresh);
}
void OrvGraph::ZoomBox() { impl_->ZoomBox(); }
void OrvGraph::ZoomHorizontal() { impl_->ZoomHorizontal(); }
void OrvGraph::ZoomVertical() { impl_->ZoomVertical(); }
void OrvGraph::ZoomUser(double XMin, double YMin, double XMax, double YMax)
{
    impl_->ZoomUser(XMin, YMin, XMax, YMax);
}
void OrvGraph::ZoomOff() { impl_->ZoomOff(); }

} // namespace vantrel
