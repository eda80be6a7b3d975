// OrvGraph: the graph control. A frame picture with the axis value text in its margins and, in
// front of it, the plot area; a current data that every full redraw replays.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vantrel/Colors.h>
#include <vantrel/DoubleArray.h>
#include <vantrel/Enums.h>
#include <vantrel/GraphData.h>
#include <vantrel/OrvGraphEvents.h>
#include <vantrel/PropertyBag.h>
#include <vantrel/Ref.h>
#include <vantrel/XYItem_Data.h>
#include <vantrel/XYItem_Label.h>
#include <vantrel/XYItem_Shape.h>

namespace vantrel {

namespace platform {
class ControlContainer;
class PictureSurface;
} // namespace platform

class OrvGraph {
public:
    // The host sites the control on its container with the two pictures it made for it; all
    // three must outlive the control. Every field starts at zero, empty, False or no object.
    OrvGraph(platform::ControlContainer& container, platform::PictureSurface& frame,
        platform::PictureSurface& inside);
    ~OrvGraph();
    OrvGraph(const OrvGraph&) = delete;
    OrvGraph& operator=(const OrvGraph&) = delete;

    // Lifecycle entry points the host calls.
    void InitProperties();
    void ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);
    void Resize();
    void AmbientChanged(std::string_view name);
    void SetEventSink(OrvGraphEvents* sink);

    // Properties that live in the pictures.
    GraphAppearanceConstants FrameAppearance() const;
    void FrameAppearance(GraphAppearanceConstants value);
    GraphAppearanceConstants InsideAppearance() const;
    void InsideAppearance(GraphAppearanceConstants value);
    int32_t FrameMousePointer() const;
    void FrameMousePointer(int32_t value);
    int32_t InsideMousePointer() const;
    void InsideMousePointer(int32_t value);
    bool Enabled() const;
    void Enabled(bool value);

    // Colours and frame.
    OleColor FrameForeColor() const;
    void FrameForeColor(OleColor value);
    OleColor FrameBackColor() const;
    void FrameBackColor(OleColor value);
    OleColor InsideBackColor() const;
    void InsideBackColor(OleColor value);
    bool FrameEnabled() const;
    void FrameEnabled(bool value);
    float FrameLeft() const;
    void FrameLeft(float value);
    float FrameTop() const;
    void FrameTop(float value);
    float FrameRight() const;
    void FrameRight(float value);
    float FrameBottom() const;
    void FrameBottom(float value);

    // Drawing style.
    bool KeepData() const;
    void KeepData(bool value);
    bool ZoomEnabled() const;
    void ZoomEnabled(bool value);
    int32_t DrawStyle() const;
    void DrawStyle(int32_t value);
    int32_t DrawMode() const;
    void DrawMode(int32_t value);
    int16_t DrawWidth() const;
    void DrawWidth(int16_t value);
    bool CirclePoints() const;
    void CirclePoints(bool value);
    int32_t CircleRadius() const;
    void CircleRadius(int32_t value);
    bool CubicFit() const;
    void CubicFit(bool value);
    double CubicFitInterval() const;
    void CubicFitInterval(double value);

    // X axis.
    GraphAxisTypeConstants XAxisType() const;
    void XAxisType(GraphAxisTypeConstants value);
    GraphGridStyleConstants XGridStyle() const;
    void XGridStyle(GraphGridStyleConstants value);
    int32_t XGridLines() const;
    void XGridLines(int32_t value);
    OleColor XGridColor() const;
    void XGridColor(OleColor value);
    std::string XAxisName() const;
    void XAxisName(const std::string& value);
    std::string XAxisUnits() const;
    void XAxisUnits(const std::string& value);
    bool XAxisValues() const;
    void XAxisValues(bool value);
    bool XAxisToolTip() const;
    void XAxisToolTip(bool value);
    GraphAxisValueFormatConstants XAxisValueFormat() const;
    void XAxisValueFormat(GraphAxisValueFormatConstants value);
    int32_t XAxisValuePrecision() const;
    void XAxisValuePrecision(int32_t value);
    double XOrigin() const;
    void XOrigin(double value);
    OleColor XOriginColor() const;
    void XOriginColor(OleColor value);
    GraphGridStyleConstants XOriginStyle() const;
    void XOriginStyle(GraphGridStyleConstants value);

    // Y axis.
    GraphAxisTypeConstants YAxisType() const;
    void YAxisType(GraphAxisTypeConstants value);
    GraphGridStyleConstants YGridStyle() const;
    void YGridStyle(GraphGridStyleConstants value);
    int32_t YGridLines() const;
    void YGridLines(int32_t value);
    OleColor YGridColor() const;
    void YGridColor(OleColor value);
    std::string YAxisName() const;
    void YAxisName(const std::string& value);
    std::string YAxisUnits() const;
    void YAxisUnits(const std::string& value);
    bool YAxisValues() const;
    void YAxisValues(bool value);
    bool YAxisToolTip() const;
    void YAxisToolTip(bool value);
    GraphAxisValueFormatConstants YAxisValueFormat() const;
    void YAxisValueFormat(GraphAxisValueFormatConstants value);
    int32_t YAxisValuePrecision() const;
    void YAxisValuePrecision(int32_t value);
    double YOrigin() const;
    void YOrigin(double value);
    OleColor YOriginColor() const;
    void YOriginColor(OleColor value);
    GraphGridStyleConstants YOriginStyle() const;
    void YOriginStyle(GraphGridStyleConstants value);

    // Read-only state.
    GraphZoomConstants ZoomState() const;
    bool DataLoaded() const;
    bool Scaled() const;
    bool Formatted() const;
    // The held object itself: a host that changes it changes what the next redraw replays.
    Ref<GraphData> CurrentData() const;
    double XMin() const;
    double XMax() const;
    double YMin() const;
    double YMax() const;
    int32_t GraphPixelWidth() const;
    int32_t GraphPixelHeight() const;
    int32_t FramePixelWidth() const;
    int32_t FramePixelHeight() const;

    // Clearing, scaling, presenting.
    void Clear(bool bRefresh = true);
    void SetScale(double XMin, double YMin, double XMax, double YMax);
    void Refresh();
    void Redraw();

    // Drawing in axis units on the plot area; retained in the keep panel while KeepData is on.
    // Nothing happens while the graph is not scaled, except for DrawLabel, which raises
    // Error 91 without a current data. DrawCircle raises Error 6 when a corner overflows.
    void DrawLine(
        double X1, double Y1, double X2, double Y2, int32_t Color = 255, bool bRefresh = true);
    void DrawRectangle(double X1, double Y1, double X2, double Y2, int32_t Color = 255,
        bool Fill = false, int32_t FillColor = 255, bool bRefresh = true);
    void DrawPoint(double X, double Y, int32_t Color = 255, bool bRefresh = true);
    void DrawCircle(double X, double Y, double Radius, int32_t Color = 255, bool Fill = false,
        int32_t FillColor = 255, bool bRefresh = true);
    void DrawEllipse(double X1, double Y1, double X2, double Y2, int32_t Color = 255,
        bool Fill = false, int32_t FillColor = 255, bool bRefresh = true);
    void DrawLabel(
        double X, double Y, const std::string& sText, int32_t Color = 0, bool bRefresh = true);

    // Data series in axis units, handed whole to the plotting library (libkrevo.so). DrawY
    // plots NumPoints values of YArray at X = XStart + k * XInterval; DrawXY plots XArray
    // against YArray. With KeepData on the series is retained first, whether or not it then
    // plots. Nothing happens while the graph is not scaled.
    void DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
        const DoubleArray& YArray, int32_t NumPoints, int32_t Color = 255, int32_t Color2 = 255,
        bool InterleavedData = false, bool bRefresh = true);
    void DrawXY(GraphDataTypeConstants GraphType, const DoubleArray& XArray,
        const DoubleArray& YArray, int32_t NumPoints, int32_t Color = 255, int32_t Color2 = 255,
        bool InterleavedData = false, bool bRefresh = true);
    // The same, taking the arrays over: with KeepData on the retained item holds them without a
    // copy (a long series handed over for good).
    void DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
        DoubleArray&& YArray, int32_t NumPoints, int32_t Color = 255, int32_t Color2 = 255,
        bool InterleavedData = false, bool bRefresh = true);
    void DrawXY(GraphDataTypeConstants GraphType, DoubleArray&& XArray, DoubleArray&& YArray,
        int32_t NumPoints, int32_t Color = 255, int32_t Color2 = 255, bool InterleavedData = false,
        bool bRefresh = true);

    // Drawing the host's objects. With KeepData on the object itself is retained (an item in
    // the keep panel, a panel appended to the current data), also when it is disabled.
    void DrawFromSource(const Ref<XYItem_Data>& XY, bool bRefresh = true);
    void DrawFromLabel(const Ref<XYItem_Label>& Lbl, bool bRefresh = true);
    void DrawFromShape(const Ref<XYItem_Shape>& Shp, bool bRefresh = true);
    void DrawFromItem(const Ref<XYItem>& Item, bool bRefresh = true);
    void DrawFromPanel(const Ref<PanelData>& Panel, bool bRefresh = true);
    // Clears, takes the source's axis types and formats (bFormatAxes) and bounds (bScaleGraph)
    // on request, scales, and draws every enabled item of every enabled panel. With KeepData on
    // the source becomes the current data.
    void DrawFromSources(const Ref<GraphData>& SourceData, bool bScaleGraph = false,
        bool bFormatAxes = false, bool bRefresh = true);

    // Zooming: the user's selection (a left drag on the plot area) applied to both axes, to X
    // alone or to Y alone; given bounds, handed to the redraw as they are; back to the current
    // data's Bounds. Each redraws the retained data at the new range. Nothing happens unless
    // KeepData, ZoomEnabled and DataLoaded are all True, nor for a selection or bounds of zero
    // extent (a selection with a position no pixel can have counts as none), nor (ZoomOff)
    // when the home bounds are shown already.
    void ZoomBox();
    void ZoomHorizontal();
    void ZoomVertical();
    void ZoomUser(double XMin, double YMin, double XMax, double YMax);
    void ZoomOff();

private:
    // Everything the control holds and does besides its public members.
    class Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace vantrel
