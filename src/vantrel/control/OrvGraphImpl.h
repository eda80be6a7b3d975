// OrvGraph::Impl: the control's state and every procedure behind its public members. OrvGraph
// forwards each member here, except ReadProperties and WriteProperties, which go through the
// public members themselves. Internal to the control room.
#pragma once

#include "interaction/ZoomSelection.h"
#include "render/FigurePainter.h"

#include <functional>
#include <vantrel/OrvGraph.h>
#include <vantrel/Records.h>

namespace vantrel {

class OrvGraph::Impl {
public:
    // The public members, as <vantrel/OrvGraph.h> describes them; OrvGraph forwards each here.
    Impl(platform::ControlContainer& container, platform::PictureSurface& frame,
        platform::PictureSurface& inside);
    ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    // Lifecycle entry points the host calls.
    void InitProperties();
    // Reading and writing the properties work through OrvGraph's own members (Persistence.cpp).
    bool UserMode() const;
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

    void DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
        const DoubleArray& YArray, int32_t NumPoints, int32_t Color = 255, int32_t Color2 = 255,
        bool InterleavedData = false, bool bRefresh = true);
    void DrawXY(GraphDataTypeConstants GraphType, const DoubleArray& XArray,
        const DoubleArray& YArray, int32_t NumPoints, int32_t Color = 255, int32_t Color2 = 255,
        bool InterleavedData = false, bool bRefresh = true);
    void DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
        DoubleArray&& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
        bool InterleavedData, bool bRefresh);
    void DrawXY(GraphDataTypeConstants GraphType, DoubleArray&& XArray, DoubleArray&& YArray,
        int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData, bool bRefresh);
    // The bodies of both overloads of DrawY and DrawXY.
    template <class Array>
    void DrawIntervalSeries(GraphDataTypeConstants GraphType, double XStart, double XInterval,
        Array&& YArray, int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData,
        bool bRefresh);
    template <class Array>
    void DrawPointSeries(GraphDataTypeConstants GraphType, Array&& XArray, Array&& YArray,
        int32_t NumPoints, int32_t Color, int32_t Color2, bool InterleavedData, bool bRefresh);

    void DrawFromSource(const Ref<XYItem_Data>& XY, bool bRefresh = true);
    void DrawFromLabel(const Ref<XYItem_Label>& Lbl, bool bRefresh = true);
    void DrawFromShape(const Ref<XYItem_Shape>& Shp, bool bRefresh = true);
    void DrawFromItem(const Ref<XYItem>& Item, bool bRefresh = true);
    void DrawFromPanel(const Ref<PanelData>& Panel, bool bRefresh = true);
    void DrawFromSources(const Ref<GraphData>& SourceData, bool bScaleGraph = false,
        bool bFormatAxes = false, bool bRefresh = true);

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

    // The frame of every drawing method. BeginDrawing puts both pictures into retained mode,
    // runs the method's retention when it comes before the frame (retainFirst), and draws the
    // frame unless Formatted, or always for a full redraw. EndDrawing, with bRefresh, refreshes
    // both (plot area first) and ends retained mode. KeepPanel is GetKeepPanel followed by
    // fetching the last panel.
    enum class FrameDrawing { unlessFormatted, always };
    void BeginDrawing(FrameDrawing frame = FrameDrawing::unlessFormatted,
        const std::function<void()>& retainFirst = {});
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
    void PaintBox(render::BoxFigure figure, double X1, double Y1, double X2, double Y2,
        int32_t Color, bool Fill, int32_t FillColor);
    void PaintPoint(double X, double Y, int32_t Color);
    void PaintLabel(double X, double Y, const std::string& Text, int32_t Color);

    // Series plotting with the control's settings (series::PlotSeries), shared with the replay
    // of retained series items; never raises, and sets DataLoaded only when the series plotted.
    // The arrays are read from index 0 (see XYItem_Data::ArrayView).
    void PlotSeries(GraphDataTypeConstants GraphType, const XYItem_Data::ArrayView& X,
        const XYItem_Data::ArrayView& Y, int32_t NumPoints, int32_t Color, int32_t Color2,
        bool InterleavedData, bool UseInterval);
    // A retained series from its summary (series::PlotSummarised); false when it must take
    // PlotSeries instead, nothing drawn then.
    bool PlotSummarised(const XYItem_Data& XY);

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

    // The zoom selection gesture (interaction::ZoomSelection) and the zoom operations.
    bool SelectionGesture(int16_t button) const;
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
    interaction::ZoomSelection zoom_;
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
