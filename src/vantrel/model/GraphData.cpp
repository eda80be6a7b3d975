// GraphData: the four held objects of a data source and their replacement.
#include <vantrel/Error.h>
#include <vantrel/GraphData.h>

namespace vantrel {

namespace {

template <class T> void Replace(Ref<T>& held, Ref<T> value)
{
    if (!value)
        throw Error(errObjectNotSet);
    held = std::move(value);
}

} // namespace

GraphData::GraphData()
    : panelList_(std::make_shared<PanelManager>())
    , xAxis_(std::make_shared<Axis>())
    , yAxis_(std::make_shared<Axis>())
    , bounds_(std::make_shared<GraphBounds>())
{
}

void GraphData::XAxis(Ref<Axis> value) { Replace(xAxis_, std::move(value)); }

void GraphData::YAxis(Ref<Axis> value) { Replace(yAxis_, std::move(value)); }

void GraphData::Bounds(Ref<GraphBounds> value) { Replace(bounds_, std::move(value)); }

} // namespace vantrel
