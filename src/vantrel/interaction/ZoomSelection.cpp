// The zoom selection gesture: the anchor, the pointer and the inverting lines between them.
#include "interaction/ZoomSelection.h"

#include "interaction/SelectionBand.h"

#include <vantrel/Rounding.h>
#include <vantrel/platform/PictureSurface.h>

namespace vantrel::interaction {

void ZoomSelection::Start(platform::PictureSurface& plot, float x, float y)
{
    plot.AutoRedraw(true);
    if (shown_)
        ShowInstead(plot.hDC(), LinesOf(drawn_, drawnWidth_, drawnHeight_), {});
    shown_ = false;
    rect_ = BoundsRecord { x, x, y, y };
    plot.Refresh();
    plot.AutoRedraw(false);
}

void ZoomSelection::Drag(platform::PictureSurface& plot, float x, float y)
{
    plot.AutoRedraw(true);
    const int32_t width = CLng(plot.ScaleWidth());
    const int32_t height = CLng(plot.ScaleHeight());
    BoundsRecord target = rect_;
    target.XMax = x;
    target.YMax = y;
    const BandLines shown = shown_ ? LinesOf(drawn_, drawnWidth_, drawnHeight_) : BandLines {};
    ShowInstead(plot.hDC(), shown, LinesOf(target, width, height));
    shown_ = true;
    drawn_ = target;
    drawnWidth_ = width;
    drawnHeight_ = height;
    plot.Refresh();
    plot.AutoRedraw(false);
    rect_ = target;
}

void ZoomSelection::End(float x, float y)
{
    rect_.XMax = x;
    rect_.YMax = y;
}

void ZoomSelection::Collapse(bool x, bool y)
{
    if (x)
        rect_.XMin = rect_.XMax;
    if (y)
        rect_.YMin = rect_.YMax;
}

} // namespace vantrel::interaction
