// The public series methods DrawY and DrawXY: retention, the frame, plotting and presenting.
#include <vantrel/OrvGraph.h>
#include <vantrel/platform/PictureSurface.h>
#include <vector>

namespace vantrel {

// Unlike the figure methods, a series is retained before the frame is drawn and before it is
// plotted, and whatever the plotting then does. Retention copies the arrays (the one copy a
// series costs with KeepData on) and, like PanelData::CreateData, raises Error 9 for a NumPoints
// the arrays cannot hold; that error reaches the host, the pictures staying in retained mode.

void OrvGraph::DrawY(GraphDataTypeConstants GraphType, double XStart, double XInterval,
    const DoubleArray& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool bRefresh)
{
    if (!scaled_)
        return;
    pctFrame_.AutoRedraw(true);
    pctGraph_.AutoRedraw(true);
    if (keepData_)
        KeepPanel()->CreateIntervalData(XStart, XInterval, YArray, NumPoints, GraphType, -1, "",
            true, Color, InterleavedData, Color2, drawWidth_, drawStyle_, drawMode_);
    if (!formatted_)
        formatted_ = DrawFrame();
    const DoubleArray intervalPair(std::vector<double> { XStart, XInterval });
    PlotSeries(GraphType, intervalPair, YArray, NumPoints, Color, Color2, InterleavedData, true);
    EndDrawing(bRefresh);
}

void OrvGraph::DrawXY(GraphDataTypeConstants GraphType, const DoubleArray& XArray,
    const DoubleArray& YArray, int32_t NumPoints, int32_t Color, int32_t Color2,
    bool InterleavedData, bool bRefresh)
{
    if (!scaled_)
        return;
    pctFrame_.AutoRedraw(true);
    pctGraph_.AutoRedraw(true);
    if (keepData_)
        KeepPanel()->CreateData(XArray, YArray, NumPoints, GraphType, -1, "", true, Color,
            InterleavedData, Color2, drawWidth_, drawStyle_, drawMode_);
    if (!formatted_)
        formatted_ = DrawFrame();
    PlotSeries(GraphType, XArray, YArray, NumPoints, Color, Color2, InterleavedData, false);
    EndDrawing(bRefresh);
}

} // namespace vantrel
