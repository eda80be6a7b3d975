// GraphWidget: the control's persisted properties as Qt properties, each passed to the
// control's own getter and setter.
#include "GraphWidgetParts.h"

#include <limits>
#include <vantrel/Error.h>

namespace vantrel::qt {

namespace {
constexpr int32_t errOverflow = 6;
}

#define VANTREL_QT_PROPERTY(QtType, getter, setter, Name, ControlType)                             \
    QtType GraphWidget::getter() const { return static_cast<QtType>(parts_->graph.Name()); }       \
    void GraphWidget::setter(QtType value) { parts_->graph.Name(static_cast<ControlType>(value)); }

#define VANTREL_QT_STRING_PROPERTY(getter, setter, Name)                                           \
    QString GraphWidget::getter() const { return QString::fromStdString(parts_->graph.Name()); }   \
    void GraphWidget::setter(const QString& value) { parts_->graph.Name(value.toStdString()); }

VANTREL_QT_PROPERTY(
    int, frameAppearance, setFrameAppearance, FrameAppearance, GraphAppearanceConstants)
VANTREL_QT_PROPERTY(
    int, insideAppearance, setInsideAppearance, InsideAppearance, GraphAppearanceConstants)
VANTREL_QT_PROPERTY(int, frameMousePointer, setFrameMousePointer, FrameMousePointer, int32_t)
VANTREL_QT_PROPERTY(int, insideMousePointer, setInsideMousePointer, InsideMousePointer, int32_t)
VANTREL_QT_PROPERTY(uint, frameForeColor, setFrameForeColor, FrameForeColor, OleColor)
VANTREL_QT_PROPERTY(uint, frameBackColor, setFrameBackColor, FrameBackColor, OleColor)
VANTREL_QT_PROPERTY(uint, insideBackColor, setInsideBackColor, InsideBackColor, OleColor)
VANTREL_QT_PROPERTY(bool, keepData, setKeepData, KeepData, bool)
VANTREL_QT_PROPERTY(bool, zoomEnabled, setZoomEnabled, ZoomEnabled, bool)
VANTREL_QT_PROPERTY(int, drawStyle, setDrawStyle, DrawStyle, int32_t)
VANTREL_QT_PROPERTY(int, drawMode, setDrawMode, DrawMode, int32_t)
VANTREL_QT_PROPERTY(bool, frameEnabled, setFrameEnabled, FrameEnabled, bool)
VANTREL_QT_PROPERTY(float, frameLeft, setFrameLeft, FrameLeft, float)
VANTREL_QT_PROPERTY(float, frameRight, setFrameRight, FrameRight, float)
VANTREL_QT_PROPERTY(float, frameTop, setFrameTop, FrameTop, float)
VANTREL_QT_PROPERTY(float, frameBottom, setFrameBottom, FrameBottom, float)
VANTREL_QT_PROPERTY(int, xAxisType, setXAxisType, XAxisType, GraphAxisTypeConstants)
VANTREL_QT_PROPERTY(int, xGridStyle, setXGridStyle, XGridStyle, GraphGridStyleConstants)
VANTREL_QT_PROPERTY(int, xGridLines, setXGridLines, XGridLines, int32_t)
VANTREL_QT_PROPERTY(uint, xGridColor, setXGridColor, XGridColor, OleColor)
VANTREL_QT_STRING_PROPERTY(xAxisName, setXAxisName, XAxisName)
VANTREL_QT_STRING_PROPERTY(xAxisUnits, setXAxisUnits, XAxisUnits)
VANTREL_QT_PROPERTY(bool, xAxisValues, setXAxisValues, XAxisValues, bool)
VANTREL_QT_PROPERTY(bool, xAxisToolTip, setXAxisToolTip, XAxisToolTip, bool)
VANTREL_QT_PROPERTY(int, xAxisValuePrecision, setXAxisValuePrecision, XAxisValuePrecision, int32_t)
VANTREL_QT_PROPERTY(
    int, xAxisValueFormat, setXAxisValueFormat, XAxisValueFormat, GraphAxisValueFormatConstants)
VANTREL_QT_PROPERTY(double, xOrigin, setXOrigin, XOrigin, double)
VANTREL_QT_PROPERTY(uint, xOriginColor, setXOriginColor, XOriginColor, OleColor)
VANTREL_QT_PROPERTY(int, xOriginStyle, setXOriginStyle, XOriginStyle, GraphGridStyleConstants)
VANTREL_QT_PROPERTY(int, yAxisType, setYAxisType, YAxisType, GraphAxisTypeConstants)
VANTREL_QT_PROPERTY(int, yGridStyle, setYGridStyle, YGridStyle, GraphGridStyleConstants)
VANTREL_QT_PROPERTY(int, yGridLines, setYGridLines, YGridLines, int32_t)
VANTREL_QT_PROPERTY(uint, yGridColor, setYGridColor, YGridColor, OleColor)
VANTREL_QT_STRING_PROPERTY(yAxisName, setYAxisName, YAxisName)
VANTREL_QT_STRING_PROPERTY(yAxisUnits, setYAxisUnits, YAxisUnits)
VANTREL_QT_PROPERTY(bool, yAxisValues, setYAxisValues, YAxisValues, bool)
VANTREL_QT_PROPERTY(bool, yAxisToolTip, setYAxisToolTip, YAxisToolTip, bool)
VANTREL_QT_PROPERTY(int, yAxisValuePrecision, setYAxisValuePrecision, YAxisValuePrecision, int32_t)
VANTREL_QT_PROPERTY(
    int, yAxisValueFormat, setYAxisValueFormat, YAxisValueFormat, GraphAxisValueFormatConstants)
VANTREL_QT_PROPERTY(double, yOrigin, setYOrigin, YOrigin, double)
VANTREL_QT_PROPERTY(uint, yOriginColor, setYOriginColor, YOriginColor, OleColor)
VANTREL_QT_PROPERTY(int, yOriginStyle, setYOriginStyle, YOriginStyle, GraphGridStyleConstants)
VANTREL_QT_PROPERTY(bool, circlePoints, setCirclePoints, CirclePoints, bool)
VANTREL_QT_PROPERTY(int, circleRadius, setCircleRadius, CircleRadius, int32_t)
VANTREL_QT_PROPERTY(bool, cubicFit, setCubicFit, CubicFit, bool)
VANTREL_QT_PROPERTY(double, cubicFitInterval, setCubicFitInterval, CubicFitInterval, double)

#undef VANTREL_QT_PROPERTY
#undef VANTREL_QT_STRING_PROPERTY

int GraphWidget::drawWidth() const { return parts_->graph.DrawWidth(); }

void GraphWidget::setDrawWidth(int value)
{
    // DrawWidth is 16-bit: a wider value overflows as its conversion would.
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw Error(errOverflow);
    parts_->graph.DrawWidth(static_cast<int16_t>(value));
}

} // namespace vantrel::qt
