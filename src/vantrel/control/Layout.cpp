// Placing the frame and the plot area, and laying the displayed range onto the plot area.
#include "control/OrvGraphImpl.h"

#include <cmath>
#include <vantrel/Error.h>
#include <vantrel/Rounding.h>
#include <vantrel/platform/ControlContainer.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

namespace {

// Margin sums are single precision, as the margins are; a sum that is no finite single is
// the platform's floating-point overflow.
float CheckedSum(float a, float b)
{
    float sum = a + b;
    if (!std::isfinite(sum))
        throw Error(errOverflow);
    return sum;
}

} // namespace

// Nothing is redrawn or rescaled: the axes keep the mapping to the former plot size until the
// next scaling.
void OrvGraph::Impl::Resize()
{
    // Margins whose sums overflow (loaded, or stored while the frame was off) refuse the resize
    // before the frame has changed, not half way.
    if (frameEnabled_) {
        CheckedSum(frameLeft_, frameRight_);
        CheckedSum(frameTop_, frameBottom_);
    }
    pctFrame_.Top(0.0f);
    pctFrame_.Left(0.0f);
    pctFrame_.Width(container_.ScaleWidth());
    pctFrame_.Height(container_.ScaleHeight());
    MoveInside();
}

void OrvGraph::Impl::MoveInside()
{
    const float width = container_.ScaleWidth();
    const float height = container_.ScaleHeight();
    if (!frameEnabled_) {
        pctGraph_.Move(0.0f, 0.0f, width, height);
        return;
    }
    const float leftRight = CheckedSum(frameLeft_, frameRight_);
    const float topBottom = CheckedSum(frameTop_, frameBottom_);
    // No room left between the margins: the plot area vanishes and cannot be scaled.
    if (width <= leftRight || height <= topBottom) {
        pctGraph_.Move(frameLeft_, frameTop_, 0.0f, 0.0f);
        return;
    }
    pctGraph_.Move(frameLeft_, frameTop_, width - leftRight, height - topBottom);
}

bool OrvGraph::Impl::ScaleCurrentData()
{
    if (!currentData_)
        throw Error(errObjectNotSet);
    const Ref<Axis> xAxis = currentData_->XAxis();
    const Ref<Axis> yAxis = currentData_->YAxis();
    xAxis->AxisType(xAxisType_);
    yAxis->AxisType(yAxisType_);
    // The host may have taken a format away from an axis of its own data source.
    if (!xAxis->Format() || !yAxis->Format())
        throw Error(errObjectNotSet);
    xAxis->Format()->SetRecord(xFormat_);
    yAxis->Format()->SetRecord(yFormat_);

    const int32_t width = CLng(pctGraph_.ScaleWidth());
    const int32_t height = CLng(pctGraph_.ScaleHeight());
    // Both axes are scaled even when the first one fails.
    const bool okX = xAxis->ApplyBounds(0, width, displayed_.XMin, displayed_.XMax);
    const bool okY = yAxis->ApplyBounds(height, 0, displayed_.YMin, displayed_.YMax);
    return okX && okY;
}

// The displayed bounds are stored before anything can fail, also when scaling does.
void OrvGraph::Impl::LayoutGraph(double XMin, double YMin, double XMax, double YMax)
{
    MoveInside();
    displayed_ = BoundsRecord { XMin, XMax, YMin, YMax };
    scaled_ = ScaleCurrentData();
}

} // namespace vantrel
