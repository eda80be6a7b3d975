// A control sited on software pictures, with every part reachable by the tests.
#pragma once

#include <string>
#include <utility>
#include <vantrel/MemoryPropertyBag.h>
#include <vantrel/OrvGraph.h>
#include <vantrel/hostkit/SimpleContainer.h>
#include <vantrel/hostkit/SoftPicture.h>
#include <vector>

namespace vantrel::testing {

// The control's size in pixels; the container works in twips (15 per pixel).
struct SitedGraph {
    explicit SitedGraph(int32_t widthPixels = 577, int32_t heightPixels = 450, bool userMode = true)
        : container(static_cast<float>(widthPixels) * 15.0f,
            static_cast<float>(heightPixels) * 15.0f, userMode)
        , graph(container, frame, inside)
    {
    }

    // InitProperties, then Resize, as a host does for a new instance.
    SitedGraph& Init()
    {
        graph.InitProperties();
        graph.Resize();
        container.ClearPropertyChanges();
        return *this;
    }

    hostkit::SimpleContainer container;
    hostkit::SoftPicture frame;
    hostkit::SoftPicture inside;
    OrvGraph graph;
};

// Every persisted property that differs from its default, as key and value, in bag order.
inline std::vector<std::pair<std::string, Variant>> PersistedEntries(OrvGraph& graph)
{
    MemoryPropertyBag bag;
    graph.WriteProperties(bag);
    std::vector<std::pair<std::string, Variant>> entries;
    for (const auto& entry : bag.Entries())
        entries.emplace_back(entry.Key, entry.Value);
    return entries;
}

} // namespace vantrel::testing
