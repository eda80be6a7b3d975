// Plot pixels to axis values for the pointer read-out and the zoom selection.
#include "interaction/PointerValues.h"

#include "interaction/ValueReadout.h"

#include <calcora/Calcora.h>
#include <cfloat>
#include <cmath>
#include <vantrel/Error.h>
#include <vantrel/GraphData.h>
#include <vantrel/Rounding.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel::interaction {

namespace {

// A value that single precision can hold without becoming an infinity; NaN fails too.
bool FitsSingle(double value) { return std::fabs(value) <= static_cast<double>(FLT_MAX); }

const AxisDesign& DesignOf(const Ref<Axis>& axis)
{
    if (!axis || !axis->Design())
        throw Error(errObjectNotSet);
    return *axis->Design();
}

} // namespace

// The arithmetic of a conversion can fail (a position that does not fit 32 bits, an overflow
// inside the axis design). There is no caller to hand such an error to inside a platform
// notification, so the event carries the pixels instead, as before scaling.
bool PointerValues(const Ref<GraphData>& data, float x, float y, double& X, double& Y)
{
    if (!data)
        return false;
    const Ref<Axis> xAxis = data->XAxis();
    const Ref<Axis> yAxis = data->YAxis();
    if (!xAxis || !yAxis || !xAxis->Format() || !yAxis->Format() || !xAxis->Design()
        || !yAxis->Design())
        return false;
    double xValue = 0.0;
    double yValue = 0.0;
    try {
        xValue = xAxis->Design()->GetValue(CLng(x));
        yValue = yAxis->Design()->GetValue(CLng(y));
    } catch (const Error&) {
        return false;
    }
    if (!FitsSingle(xValue) || !FitsSingle(yValue))
        return false;
    // The values take the place of the platform's single-precision position.
    X = static_cast<float>(xValue);
    Y = static_cast<float>(yValue);
    return true;
}

// The formats are those of the current data's axes, filled from the control's own at every
// layout. The values are finite here.
void ShowPointerValues(platform::PictureSurface& plot, const GraphData& data, double X, double Y)
{
    std::string text;
    try {
        text = ToolTipText(
            X, Y, data.XAxis()->Format()->GetRecord(), data.YAxis()->Format()->GetRecord());
    } catch (const Error&) {
        return;
    }
    plot.ToolTipText(std::move(text));
}

// Ordered whatever the direction of the drag; on the Y axis, whose pixels grow downwards, the
// top of the selection gives YMax.
BoundsRecord SelectionValues(const Ref<GraphData>& data, const BoundsRecord& displayed,
    const BoundsRecord& pixels, GraphZoomConstants mode)
{
    if (!data)
        throw Error(errObjectNotSet);
    double x1 = displayed.XMin;
    double x2 = displayed.XMax;
    if (mode != grzUpDown) {
        const AxisDesign& design = DesignOf(data->XAxis());
        x1 = design.GetValue(CLng(pixels.XMin));
        x2 = design.GetValue(CLng(pixels.XMax));
    }
    double y1 = displayed.YMin;
    double y2 = displayed.YMax;
    if (mode != grzLeftRight) {
        const AxisDesign& design = DesignOf(data->YAxis());
        y1 = design.GetValue(CLng(pixels.YMin));
        y2 = design.GetValue(CLng(pixels.YMax));
    }
    return BoundsRecord { Less(x1, x2), More(x1, x2), Less(y1, y2), More(y1, y2) };
}

} // namespace vantrel::interaction
