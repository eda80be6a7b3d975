// OrvGraph: the graph control. A frame picture with the axis value text in its margins and, in
// front of it, the plot area; a current data that every full redraw replays.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vantrel/Colors.h>
#include <vantrel/DoubleArray.h>
#include <vantrel/Enums.h>
#include <vantrel/GraphData.h>
#include <vantrel/OrvGraphEvents.h>
#include <vantrel/PropertyBag.h>
#include <vantrel/Records.h>
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
    OleColor FrameForeColor() const { return frameForeColor_; }
    void FrameForeColor(OleColor value);
    OleColor FrameBackColor() const { return frameBackColor_; }
    void FrameBackColor(OleColor value);
    OleColor InsideBackColor() const { return insideBackColor_; }
    void InsideBackColor(OleColor value);
    bool FrameEnabled() const { return frameEnabled_; }
    void FrameEnabled(bool value);
    float FrameLeft() const { return frameLeft_; }
    void FrameLeft(float value);
    float FrameTop() const { return frameTop_; }
    void FrameTop(float value);
    float FrameRight() const { return frameRight_; }
    void FrameRight(float value);
    float FrameBottom() const { return frameBottom_; }
    void FrameBottom(float value);

    // Drawing style.
    bool KeepData() const { return keepData_; }
    void KeepData(bool value);
    bool ZoomEnabled() const { return zoomEnabled_; }
    void ZoomEnabled(bool value);
    int32_t DrawStyle() const { return drawStyle_; }
    void DrawStyle(int32_t value);
    int32_t DrawMode() const { return drawMode_; }
    void DrawMode(int32_t value);
    int16_t DrawWidth() const { return drawWidth_; }
    void DrawWidth(int16_t value);
    bool CirclePoints() const { return circlePoints_; }
    void CirclePoints(bool value);
    int32_t CircleRadius() const { return circleRadius_; }
    void CircleRadius(int32_t value);
    bool CubicFit() const { return cubicFit_; }
    void CubicFit(bool value);
    double CubicFitInterval() const { return cubicFitInterval_; }
    void CubicFitInterval(double value);

    // X axis.
    GraphAxisTypeConstants XAxisType() const { return xAxisType_; }
    void XAxisType(GraphAxisTypeConstants value) { xAxisType_ = value; }
    GraphGridStyleConstants XGridStyle() const { return xFormat_.GridStyle; }
    void XGridStyle(GraphGridStyleConstants value);
    int32_t XGridLines() const { return xFormat_.GridLines; }
    void XGridLines(int32_t value);
    OleColor XGridColor() const { return static_cast<OleColor>(xFormat_.GridColor); }
    void XGridColor(OleColor value);
    std::string XAxisName() const { return xFormat_.Name; }
    void XAxisName(const std::string& value);
    std::string XAxisUnits() const { return xFormat_.Units; }
    void XAxisUnits(const std::string& value);
    bool XAxisValues() const { return xFormat_.Values; }
    void XAxisValues(bool value);
    bool XAxisToolTip() const { return xFormat_.ToolTipValues; }
    void XAxisToolTip(bool value);
    GraphAxisValueFormatConstants XAxisValueFormat() const { return xFormat_.ValueFormat; }
    void XAxisValueFormat(GraphAxisValueFormatConstants value);
    int32_t XAxisValuePrecision() const { return xFormat_.ValuePrecision; }
    void XAxisValuePrecision(int32_t value);
    double XOrigin() const { return xFormat_.Origin; }
    void XOrigin(double value);
    OleColor XOriginColor() const { return static_cast<OleColor>(xFormat_.OriginColor); }
    void XOriginColor(OleColor value);
    GraphGridStyleConstants XOriginStyle() const { return xFormat_.OriginStyle; }
    void XOriginStyle(GraphGridStyleConstants value);

    // Y axis.
    GraphAxisTypeConstants YAxisType() const { return yAxisType_; }
    void YAxisType(GraphAxisTypeConstants value) { yAxisType_ = value; }
    GraphGridStyleConstants YGridStyle() const { return yFormat_.GridStyle; }
    void YGridStyle(GraphGridStyleConstants value);
    int32_t YGridLines() const { return yFormat_.GridLines; }
    void YGridLines(int32_t value);
    OleColor YGridColor() const { return static_cast<OleColor>(yFormat_.GridColor); }
    void YGridColor(OleColor value);
    std::string YAxisName() const { return yFormat_.Name; }
    void YAxisName(const std::string& value);
    std::string YAxisUnits() const { return yFormat_.Units; }
    void YAxisUnits(const std::string& value);
    bool YAxisValues() const { return yFormat_.Values; }
    void YAxisValues(bool value);
    bool YAxisToolTip() const { return yFormat_.ToolTipValues; }
    void YAxisToolTip(bool value);
    GraphAxisValueFormatConstants YAxisValueFormat() const { return yFormat_.ValueFormat; }
    void YAxisValueFormat(GraphAxisValueFormatConstants value);
    int32_t YAxisValuePrecision() const { return yFormat_.ValuePrecision; }
    void YAxisValuePrecision(int32_t value);
    double YOrigin() const { return yFormat_.Origin; }
    void YOrigin(double value);
    OleColor YOriginColor() const { return static_cast<OleColor>(yFormat_.OriginColor); }
    void YOriginColor(OleColor value);
    GraphGridStyleConstants YOriginStyle() const { return yFormat_.OriginStyle; }
    void YOriginStyle(GraphGridStyleConstants value);

    // Read-only state.
    GraphZoomConstants ZoomState() const { return zoomState_; }
    bool DataLoaded() const { return dataLoaded_; }
    bool Scaled() const { return scaled_; }
    bool Formatted() const { return formatted_; }
    // The held object itself: a host that changes it changes what the next redraw replays.
    Ref<GraphData> CurrentData() const { return currentData_; }
    double XMin() const { return displayed_.XMin; }
    double XMax() const { return displayed_.XMax; }
    double YMin() const { return displayed_.YMin; }
    double YMax() const { return displayed_.YMax; }
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

    // Data series in axis units, handed whole to the plotting library (see PlotSeries). DrawY
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
    // Receives one picture's pointer notifications and hands them to the control.
    class PictureInput;

    void Notify(std::string_view propertyName);
    // The margin setters move the plot area at once only while nothing is drawn on it.
    void MoveInsideIfEmpty();
    void SetMargin(float& margin, float value, std::string_view propertyName);
    void SetPictureBackColor(platform::PictureSurface& picture, OleColor value);

    // Layout.
    void MoveInside();
    void LayoutGraph(double XMin, double YMin, double XMax, double YMax);
    // Writes the control's axis types and formats into the current data's axes and scales them
    // to the displayed bounds on the plot area's present size; Error 91 without a current data.
    bool ScaleCurrentData();

    // Clearing and retained data.
    void ClearFrame(bool bRefresh);
    void ClearInside(bool bRefresh);
    void ResetCurrentData();
    void GetKeepPanel();

    // Grid, value text and origin marks; DrawFrame answers False, drawing nothing, while the
    // graph is not scaled.
    bool DrawFrame();
    void DrawAxes();
    void DrawOrigins();

    // The frame of every drawing method: both pictures into retained mode and the frame drawn
    // unless Formatted; then, with bRefresh, both refreshed (plot area first) and out of
    // retained mode. KeepPanel is GetKeepPanel followed by fetching the last panel.
    void BeginDrawing();
    void EndDrawing(bool bRefresh);
    Ref<PanelData> KeepPanel();

    // Two points in plot pixels (whole numbers), each coordinate clamped to the drawable range;
    // InRange tells whether none needed clamping. Error 91 without a current data.
    struct PixelPoints {
        double X1 = 0.0;
        double X2 = 0.0;
        double Y1 = 0.0;
        double Y2 = 0.0;
        bool InRange = false;
    };
    PixelPoints GetPixelPoint(double X1, double Y1, double X2, double Y2) const;
    // Painting procedures in axis units, shared with the replay of retained items. A figure
    // with a point outside the drawable range is not painted and leaves DataLoaded alone.
    void PaintLine(double X1, double Y1, double X2, double Y2, int32_t Color);
    void PaintRectangle(
        double X1, double Y1, double X2, double Y2, int32_t Color, bool Fill, int32_t FillColor);
    void PaintPoint(double X, double Y, int32_t Color);
    void PaintEllipse(
        double X1, double Y1, double X2, double Y2, int32_t Color, bool Fill, int32_t FillColor);
    void PaintLabel(double X, double Y, const std::string& Text, int32_t Color);

    // Series plotting, shared with the replay of retained series items. PlotSeries never
    // raises: any error inside it (an array without the values the library reads, a failed
    // conversion, no plotting library) drops the series, or its rest, silently, and then leaves
    // DataLoaded alone. PlotInterleaved splits alternating points into two series; it is called
    // only from PlotSeries and raises its errors there. The arrays are never changed.
    // The arrays are read from index 0 (see XYItem_Data::ArrayView).
    using ArrayView = XYItem_Data::ArrayView;
    void PlotSeries(GraphDataTypeConstants GraphType, ArrayView X, ArrayView Y, int32_t NumPoints,
        int32_t Color, int32_t Color2, bool InterleavedData, bool UseInterval);
    void PlotInterleaved(GraphDataTypeConstants GraphType, ArrayView X, ArrayView Y,
        int32_t NumPoints, int32_t Color, int32_t Color2, bool UseInterval);
    // A retained gdtLine series drawn from its summary (SeriesSummary.h) when the plotting
    // library can; false when the series must take PlotSeries instead, nothing drawn then.
    bool PlotSummarised(const XYItem_Data& XY);

    // The bodies of both overloads of DrawY and DrawXY.
    template <class Array>
    void DrawIntervalSeries(GraphDataTypeConstants GraphType, double XStart, double XInterval,
        Array&& YArray, int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData,
        bool bRefresh);
    template <class Array>
    void DrawPointSeries(GraphDataTypeConstants GraphType, Array&& XArray, Array&& YArray,
        int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData, bool bRefresh);

    // The full redraw: clear, lay out for the range, frame, replay the current data, refresh.
    void RedrawAll(double XMin, double YMin, double XMax, double YMax);
    // Replay workers: no set-up of their own; every item is converted through the current
    // data's axes. Series and shapes set the control's pen settings through its setters.
    void DrawDataItem(const XYItem_Data& XY);
    void DrawLabelItem(const XYItem_Label& Lbl);
    void DrawShapeItem(const XYItem_Shape& Shp);
    void DrawXYItem(const Ref<XYItem>& Item);
    void DrawPanelItems(const Ref<PanelData>& Panel);
    void DrawCurrentData(const Ref<GraphData>& Data);
    template <class Item, class Retain, class Draw>
    void DrawFromObject(const Ref<Item>& object, bool bRefresh, Retain retain, Draw draw);

    // Pointer notifications of the two pictures, positions in picture pixels. The plot area's
    // handlers run the zoom selection first, on the raw position, then convert it to values.
    enum class PointerKind { down, move, up, click };
    void FrameMouse(PointerKind kind, int16_t button, int16_t shift, float x, float y);
    void InsideMouse(PointerKind kind, int16_t button, int16_t shift, float x, float y);
    // The values under a plot pixel, through the current data's axes, each rounded to single
    // precision. False when they cannot be had: not scaled, an axis format taken away by the
    // host, a position beyond the 32-bit range, a value beyond single range; the caller then
    // speaks pixels and leaves the tooltip alone.
    bool PointerValues(float x, float y, double& X, double& Y) const;
    void ShowPointerValues(double X, double Y);
    // A rectangle of plot pixels to ordered axis values; grzLeftRight keeps the displayed Y
    // range and grzUpDown the displayed X range. Error 6 for a pixel beyond the 32-bit range.
    BoundsRecord GetValuePoint(const BoundsRecord& pixels, GraphZoomConstants mode) const;

    // The zoom selection gesture and the zoom operations.
    bool SelectionGesture(int16_t button) const;
    void SelectionStart(float x, float y);
    void SelectionDrag(float x, float y);
    void SelectionEnd(float x, float y);
    bool ZoomAllowed() const;
    void ZoomToSelection(GraphZoomConstants mode);
    void ZoomApplied(GraphZoomConstants mode, bool collapseX, bool collapseY);

    platform::ControlContainer& container_;
    platform::PictureSurface& pctFrame_;
    platform::PictureSurface& pctGraph_;
    std::unique_ptr<PictureInput> frameInput_;
    std::unique_ptr<PictureInput> insideInput_;
    OrvGraphEvents* sink_ = nullptr;

    Ref<GraphData> currentData_;
    AxisFormatRecord xFormat_ = EmptyFormat();
    AxisFormatRecord yFormat_ = EmptyFormat();
    GraphAxisTypeConstants xAxisType_ = gatLinear;
    GraphAxisTypeConstants yAxisType_ = gatLinear;
    BoundsRecord displayed_;
    bool circlePoints_ = false;
    int16_t circleRadius_ = 0;
    bool cubicFit_ = false;
    double cubicFitInterval_ = 0.0;
    int32_t drawMode_ = 0;
    int32_t drawStyle_ = 0;
    int16_t drawWidth_ = 0;
    bool frameEnabled_ = false;
    float frameLeft_ = 0.0f;
    float frameTop_ = 0.0f;
    float frameRight_ = 0.0f;
    float frameBottom_ = 0.0f;
    OleColor frameForeColor_ = 0;
    OleColor frameBackColor_ = 0;
    bool zoomEnabled_ = false;
    BoundsRecord zoomRect_;
    bool anchorPending_ = false;
    bool bandShown_ = false;
    // The selection as last drawn (meaningful while bandShown_): its rectangle and the plot's
    // size in pixels then, so that removing it draws exactly the same lines again.
    BoundsRecord bandDrawn_;
    int32_t bandWidth_ = 0;
    int32_t bandHeight_ = 0;
    GraphZoomConstants zoomState_ = grzOff;
    OleColor insideBackColor_ = 0;
    bool keepData_ = false;
    bool dataLoaded_ = false;
    bool formatted_ = false;
    bool scaled_ = false;

    // A new control holds zero and empty in every field, not a new AxisFormat's defaults.
    static AxisFormatRecord EmptyFormat();
};

} // namespace vantrel
