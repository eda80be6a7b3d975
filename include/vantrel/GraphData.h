// GraphData: the root of a data source: panels, two axes, bounds and a tag.
#pragma once

#include <vantrel/Axis.h>
#include <vantrel/GraphBounds.h>
#include <vantrel/PanelManager.h>
#include <vantrel/Ref.h>
#include <vantrel/Variant.h>

namespace vantrel {

// Gets return the held objects themselves; puts make the given object the held one, shared
// with the caller. A GraphData always holds all four objects: the puts refuse an absent one
// with Error 91, so readers never need to check.
class GraphData {
public:
    GraphData();
    GraphData(const GraphData&) = delete;
    GraphData& operator=(const GraphData&) = delete;

    // Fixed for the object's life.
    Ref<PanelManager> PanelList() const { return panelList_; }
    Ref<Axis> XAxis() const { return xAxis_; }
    void XAxis(Ref<Axis> value);
    Ref<Axis> YAxis() const { return yAxis_; }
    void YAxis(Ref<Axis> value);
    Ref<GraphBounds> Bounds() const { return bounds_; }
    void Bounds(Ref<GraphBounds> value);
    Variant Tag() const { return tag_; }
    void Tag(const Variant& value) { tag_ = value; }

private:
    Ref<PanelManager> panelList_;
    Ref<Axis> xAxis_;
    Ref<Axis> yAxis_;
    Ref<GraphBounds> bounds_;
    Variant tag_;
};

} // namespace vantrel
