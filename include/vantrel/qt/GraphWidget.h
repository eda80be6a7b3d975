// GraphWidget: the graph control in a Qt 6 widget (library VantrelCtls::qt).
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vantrel/OrvGraph.h>

namespace vantrel::qt {

// A new widget starts as a new control on a form: the control's defaults (InitProperties),
// then its size. loadProperties replaces the properties with a saved set.
//
// Presentation: the control draws at logical pixels, 15 twips each (96 dots per inch whatever
// the screen), and the widget shows its two pictures scaled by the device pixel ratio with
// nearest-neighbour sampling, so that a ratio of 2 shows every pixel as a sharp 2 x 2 block
// and text and lines measure the same on every screen. Only the areas a picture reports as
// changed are repainted.
//
// Input: pointer events reach the picture under the pointer (the one pressed on, until every
// button is up) in its drawing coordinates; Button 1 left, 2 right, 4 middle; Shift 1 shift,
// 2 control, 4 alt. A left release over the pressed picture adds its Click; a double click is
// a second press. The wheel and the back and forward buttons have no meaning to the control:
// without the extensions below they are left to the parent widget.
//
// Pointer shapes of FrameMousePointer and InsideMousePointer:
//   0 default, 1 arrow, 4 icon, 99 custom: Qt::ArrowCursor   2 cross: Qt::CrossCursor
//   3 I-beam: Qt::IBeamCursor          5 size, 15 size all: Qt::SizeAllCursor
//   6 size NE-SW: Qt::SizeBDiagCursor  7 size N-S: Qt::SizeVerCursor
//   8 size NW-SE: Qt::SizeFDiagCursor  9 size W-E: Qt::SizeHorCursor
//   10 up arrow: Qt::UpArrowCursor     11 hourglass: Qt::WaitCursor
//   12 no drop: Qt::ForbiddenCursor    13 arrow and hourglass: Qt::BusyCursor
//   14 arrow and question: Qt::WhatsThisCursor
//
// Properties: the control's 48 persisted properties, camelCase, the control's Enabled being
// QWidget's own `enabled`. Setters raise vantrel::Error as the control's do; the enumerations,
// colours (OLE_COLOR, system colours with the top bit) and DrawWidth (16-bit) travel as
// integers.
class GraphWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int frameAppearance READ frameAppearance WRITE setFrameAppearance)
    Q_PROPERTY(int insideAppearance READ insideAppearance WRITE setInsideAppearance)
    Q_PROPERTY(int frameMousePointer READ frameMousePointer WRITE setFrameMousePointer)
    Q_PROPERTY(int insideMousePointer READ insideMousePointer WRITE setInsideMousePointer)
    Q_PROPERTY(uint frameForeColor READ frameForeColor WRITE setFrameForeColor)
    Q_PROPERTY(uint frameBackColor READ frameBackColor WRITE setFrameBackColor)
    Q_PROPERTY(uint insideBackColor READ insideBackColor WRITE setInsideBackColor)
    Q_PROPERTY(bool keepData READ keepData WRITE setKeepData)
    Q_PROPERTY(bool zoomEnabled READ zoomEnabled WRITE setZoomEnabled)
    Q_PROPERTY(int drawStyle READ drawStyle WRITE setDrawStyle)
    Q_PROPERTY(int drawMode READ drawMode WRITE setDrawMode)
    Q_PROPERTY(int drawWidth READ drawWidth WRITE setDrawWidth)
    Q_PROPERTY(bool frameEnabled READ frameEnabled WRITE setFrameEnabled)
    Q_PROPERTY(float frameLeft READ frameLeft WRITE setFrameLeft)
    Q_PROPERTY(float frameRight READ frameRight WRITE setFrameRight)
    Q_PROPERTY(float frameTop READ frameTop WRITE setFrameTop)
    Q_PROPERTY(float frameBottom READ frameBottom WRITE setFrameBottom)
    Q_PROPERTY(int xAxisType READ xAxisType WRITE setXAxisType)
    Q_PROPERTY(int xGridStyle READ xGridStyle WRITE setXGridStyle)
    Q_PROPERTY(int xGridLines READ xGridLines WRITE setXGridLines)
    Q_PROPERTY(uint xGridColor READ xGridColor WRITE setXGridColor)
    Q_PROPERTY(QString xAxisName READ xAxisName WRITE setXAxisName)
    Q_PROPERTY(QString xAxisUnits READ xAxisUnits WRITE setXAxisUnits)
    Q_PROPERTY(bool xAxisValues READ xAxisValues WRITE setXAxisValues)
    Q_PROPERTY(bool xAxisToolTip READ xAxisToolTip WRITE setXAxisToolTip)
    Q_PROPERTY(int xAxisValuePrecision READ xAxisValuePrecision WRITE setXAxisValuePrecision)
    Q_PROPERTY(int xAxisValueFormat READ xAxisValueFormat WRITE setXAxisValueFormat)
    Q_PROPERTY(double xOrigin READ xOrigin WRITE setXOrigin)
    Q_PROPERTY(uint xOriginColor READ xOriginColor WRITE setXOriginColor)
    Q_PROPERTY(int xOriginStyle READ xOriginStyle WRITE setXOriginStyle)
    Q_PROPERTY(int yAxisType READ yAxisType WRITE setYAxisType)
    Q_PROPERTY(int yGridStyle READ yGridStyle WRITE setYGridStyle)
    Q_PROPERTY(int yGridLines READ yGridLines WRITE setYGridLines)
    Q_PROPERTY(uint yGridColor READ yGridColor WRITE setYGridColor)
    Q_PROPERTY(QString yAxisName READ yAxisName WRITE setYAxisName)
    Q_PROPERTY(QString yAxisUnits READ yAxisUnits WRITE setYAxisUnits)
    Q_PROPERTY(bool yAxisValues READ yAxisValues WRITE setYAxisValues)
    Q_PROPERTY(bool yAxisToolTip READ yAxisToolTip WRITE setYAxisToolTip)
    Q_PROPERTY(int yAxisValuePrecision READ yAxisValuePrecision WRITE setYAxisValuePrecision)
    Q_PROPERTY(int yAxisValueFormat READ yAxisValueFormat WRITE setYAxisValueFormat)
    Q_PROPERTY(double yOrigin READ yOrigin WRITE setYOrigin)
    Q_PROPERTY(uint yOriginColor READ yOriginColor WRITE setYOriginColor)
    Q_PROPERTY(int yOriginStyle READ yOriginStyle WRITE setYOriginStyle)
    Q_PROPERTY(bool circlePoints READ circlePoints WRITE setCirclePoints)
    Q_PROPERTY(int circleRadius READ circleRadius WRITE setCircleRadius)
    Q_PROPERTY(bool cubicFit READ cubicFit WRITE setCubicFit)
    Q_PROPERTY(double cubicFitInterval READ cubicFitInterval WRITE setCubicFitInterval)

public:
    explicit GraphWidget(QWidget* parent = nullptr);
    ~GraphWidget() override;

    // The control itself, with its own names. Valid as long as the widget.
    OrvGraph& graph();

    // The control's properties from and to a JSON property bag file (vantrel::JsonPropertyBag);
    // errors as vantrel::Error. Loading reads them as a saved form does (ReadProperties, then
    // Resize).
    void loadProperties(const QString& path);
    void saveProperties(const QString& path);

    // Extensions, all off by default. Each works through the control's own zoom operations,
    // so they do nothing unless the control allows zooming (KeepData, ZoomEnabled, data).
    // Wheel: zooms both axes about the point under the pointer (Ctrl: X only, Shift: Y only).
    bool wheelZoom() const;
    void setWheelZoom(bool on);
    // Middle drag, or Space with a left drag: the data follows the pointer.
    bool panning() const;
    void setPanning(bool on);
    // Binds zoomBack, zoomForward and zoomHome to Alt+Left, Alt+Right, Home and the mouse's
    // back and forward buttons. The history itself is always kept.
    bool zoomHistoryKeys() const;
    void setZoomHistoryKeys(bool on);
    // The tooltip names the nearest point of a retained series within 8 pixels instead of the
    // pointer's position.
    bool snapReadout() const;
    void setSnapReadout(bool on);

    QSize sizeHint() const override;

    int frameAppearance() const;
    void setFrameAppearance(int value);
    int insideAppearance() const;
    void setInsideAppearance(int value);
    int frameMousePointer() const;
    void setFrameMousePointer(int value);
    int insideMousePointer() const;
    void setInsideMousePointer(int value);
    uint frameForeColor() const;
    void setFrameForeColor(uint value);
    uint frameBackColor() const;
    void setFrameBackColor(uint value);
    uint insideBackColor() const;
    void setInsideBackColor(uint value);
    bool keepData() const;
    void setKeepData(bool value);
    bool zoomEnabled() const;
    void setZoomEnabled(bool value);
    int drawStyle() const;
    void setDrawStyle(int value);
    int drawMode() const;
    void setDrawMode(int value);
    int drawWidth() const;
    void setDrawWidth(int value);
    bool frameEnabled() const;
    void setFrameEnabled(bool value);
    float frameLeft() const;
    void setFrameLeft(float value);
    float frameRight() const;
    void setFrameRight(float value);
    float frameTop() const;
    void setFrameTop(float value);
    float frameBottom() const;
    void setFrameBottom(float value);
    int xAxisType() const;
    void setXAxisType(int value);
    int xGridStyle() const;
    void setXGridStyle(int value);
    int xGridLines() const;
    void setXGridLines(int value);
    uint xGridColor() const;
    void setXGridColor(uint value);
    QString xAxisName() const;
    void setXAxisName(const QString& value);
    QString xAxisUnits() const;
    void setXAxisUnits(const QString& value);
    bool xAxisValues() const;
    void setXAxisValues(bool value);
    bool xAxisToolTip() const;
    void setXAxisToolTip(bool value);
    int xAxisValuePrecision() const;
    void setXAxisValuePrecision(int value);
    int xAxisValueFormat() const;
    void setXAxisValueFormat(int value);
    double xOrigin() const;
    void setXOrigin(double value);
    uint xOriginColor() const;
    void setXOriginColor(uint value);
    int xOriginStyle() const;
    void setXOriginStyle(int value);
    int yAxisType() const;
    void setYAxisType(int value);
    int yGridStyle() const;
    void setYGridStyle(int value);
    int yGridLines() const;
    void setYGridLines(int value);
    uint yGridColor() const;
    void setYGridColor(uint value);
    QString yAxisName() const;
    void setYAxisName(const QString& value);
    QString yAxisUnits() const;
    void setYAxisUnits(const QString& value);
    bool yAxisValues() const;
    void setYAxisValues(bool value);
    bool yAxisToolTip() const;
    void setYAxisToolTip(bool value);
    int yAxisValuePrecision() const;
    void setYAxisValuePrecision(int value);
    int yAxisValueFormat() const;
    void setYAxisValueFormat(int value);
    double yOrigin() const;
    void setYOrigin(double value);
    uint yOriginColor() const;
    void setYOriginColor(uint value);
    int yOriginStyle() const;
    void setYOriginStyle(int value);
    bool circlePoints() const;
    void setCirclePoints(bool value);
    int circleRadius() const;
    void setCircleRadius(int value);
    bool cubicFit() const;
    void setCubicFit(bool value);
    double cubicFitInterval() const;
    void setCubicFitInterval(double value);

public slots:
    // Steps through the zooms made so far (box, band, wheel, pan, ZoomUser, ZoomOff), restoring
    // each one's exact bounds; zoomHome is the control's ZoomOff.
    void zoomBack();
    void zoomForward();
    void zoomHome();

signals:
    // The control's events. Inside events carry axis values once the graph is scaled (plot
    // pixels before); frame events frame pixels.
    void frameClicked();
    void frameMousePressed(int button, int shift, double x, double y);
    void frameMouseMoved(int button, int shift, double x, double y);
    void frameMouseReleased(int button, int shift, double x, double y);
    void insideClicked();
    void insideMousePressed(int button, int shift, double x, double y);
    void insideMouseMoved(int button, int shift, double x, double y);
    void insideMouseReleased(int button, int shift, double x, double y);
    // After every change of the displayed bounds by a zoom, whoever asked for it.
    void zoomed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Parts;
    class Events;

    // Asks Qt to repaint what the pictures changed; queues the zoom check.
    void present();
    // Emits zoomed and extends the history when the displayed bounds moved by a zoom.
    void checkZoom();
    void showReadout(const QPoint& globalPos);
    void updateCursor(const QPointF& pos);
    bool panEvent(QMouseEvent* event);
    void showHistoryEntry(const std::optional<BoundsRecord>& bounds);

    std::unique_ptr<Parts> parts_;
};

} // namespace vantrel::qt
