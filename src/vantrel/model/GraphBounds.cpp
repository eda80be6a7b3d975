// GraphBounds: argument-order mapping of Initialize and the checked Copy.
#include <vantrel/Error.h>
#include <vantrel/GraphBounds.h>

namespace vantrel {

void GraphBounds::Initialize(double XMin, double YMin, double XMax, double YMax)
{
    record_ = BoundsRecord { XMin, XMax, YMin, YMax };
}

void GraphBounds::Copy(const Ref<GraphBounds>& Bounds)
{
    if (!Bounds)
        throw Error(errObjectNotSet);
    record_ = Bounds->GetRecord();
}

} // namespace vantrel
