// Drawing a whole data source: clear, take its axes and bounds on request, scale, draw it all.
#include "control/OrvGraphImpl.h"

#include <vantrel/Error.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel {

namespace {

template <class T> const Ref<T>& Required(const Ref<T>& object)
{
    if (!object)
        throw Error(errObjectNotSet);
    return object;
}

// A comparison with a NaN counts as equal: such bounds cannot be laid out either.
bool Degenerate(const BoundsRecord& b)
{
    return !(b.XMin < b.XMax || b.XMin > b.XMax) || !(b.YMin < b.YMax || b.YMin > b.YMax);
}

// What the call reads from the source, checked before the graph is cleared: a refused source
// (91) leaves the control as it was, never with an empty current data that later calls would
// trip over. The axes' formats are read when they are taken or when the source becomes the
// current data, whose layout writes into them.
void RequireParts(const Ref<GraphData>& source, bool formatsRead)
{
    const GraphData& data = *Required(source);
    if (formatsRead) {
        Required(data.XAxis()->Format());
        Required(data.YAxis()->Format());
    }
}

} // namespace

void OrvGraph::Impl::DrawFromSources(
    const Ref<GraphData>& SourceData, bool bScaleGraph, bool bFormatAxes, bool bRefresh)
{
    RequireParts(SourceData, bFormatAxes || keepData_);
    Clear(false);
    if (keepData_)
        currentData_ = SourceData;

    if (bFormatAxes) {
        // Written straight into the fields: the host receives no change notification.
        const GraphData& source = *Required(SourceData);
        const Ref<Axis>& xAxis = source.XAxis();
        const Ref<Axis>& yAxis = source.YAxis();
        const AxisFormatRecord xFormat = Required(xAxis->Format())->GetRecord();
        const AxisFormatRecord yFormat = Required(yAxis->Format())->GetRecord();
        xAxisType_ = xAxis->AxisType();
        yAxisType_ = yAxis->AxisType();
        xFormat_ = xFormat;
        yFormat_ = yFormat;
    }

    if (bScaleGraph) {
        const Ref<GraphBounds> bounds = Required(SourceData)->Bounds();
        // The host's bounds object takes the range the graph showed before this call.
        if (Degenerate(bounds->GetRecord()))
            bounds->SetRecord(displayed_);
        const BoundsRecord b = bounds->GetRecord();
        LayoutGraph(b.XMin, b.YMin, b.XMax, b.YMax);
    } else {
        LayoutGraph(displayed_.XMin, displayed_.YMin, displayed_.XMax, displayed_.YMax);
    }
    if (!scaled_)
        return;

    BeginDrawing(FrameDrawing::always);
    // The source is drawn, not the current data; with KeepData on they are the same object.
    DrawCurrentData(Required(SourceData));
    EndDrawing(bRefresh);
}

} // namespace vantrel
