// The pyramid's node bookkeeping: completing parents, releasing blocks behind the origin.
#include "model/MinMaxPyramid.h"

#include <algorithm>

namespace vantrel::model {

int64_t MinMaxPyramid::Bytes() const
{
    int64_t nodes = 0;
    for (const Level& level : levels_)
        nodes += static_cast<int64_t>(level.nodes.size());
    return nodes * static_cast<int64_t>(sizeof(Node));
}

void MinMaxPyramid::Clear()
{
    levels_.clear();
    origin_ = 0;
    end_ = 0;
    built_ = false;
}

void MinMaxPyramid::DropFront(int64_t count)
{
    origin_ += count;
    // A block that starts before the origin can never be wholly inside the series again.
    for (size_t level = 0; level < levels_.size(); ++level) {
        Level& nodes = levels_[level];
        const int shift = kLeafShift + static_cast<int>(level);
        const int64_t keepFrom = (origin_ + (int64_t { 1 } << shift) - 1) >> shift;
        while (!nodes.nodes.empty() && nodes.first < keepFrom) {
            nodes.nodes.pop_front();
            ++nodes.first;
        }
        if (nodes.nodes.empty())
            nodes.first = std::max(nodes.first, keepFrom);
    }
}

const MinMaxPyramid::Node* MinMaxPyramid::Find(size_t level, int64_t index) const
{
    if (level >= levels_.size())
        return nullptr;
    const Level& nodes = levels_[level];
    if (index < nodes.first || index - nodes.first >= static_cast<int64_t>(nodes.nodes.size()))
        return nullptr;
    return &nodes.nodes[static_cast<size_t>(index - nodes.first)];
}

// A node the series holds wholly always exists; a missing one (which would be a bookkeeping
// fault) is taken as unknown, which only sends the column down the exact point-by-point path.
void MinMaxPyramid::Take(size_t level, int64_t index, ValueRange& range) const
{
    const Node* node = Find(level, index);
    if (!node || std::isnan(node->lowest)) {
        range.anyNaN = true;
        return;
    }
    range.lowest = std::min(range.lowest, node->lowest);
    range.highest = std::max(range.highest, node->highest);
}

void MinMaxPyramid::Push(size_t level, int64_t index, Node node)
{
    if (level == levels_.size())
        levels_.push_back(Level { {}, index });
    Level& nodes = levels_[level];
    if (nodes.nodes.empty())
        nodes.first = index;
    nodes.nodes.push_back(node);
    if ((index & 1) == 0)
        return;
    // The second half completes the parent.
    const Node* sibling = Find(level, index - 1);
    Node parent = Unknown();
    if (sibling && !std::isnan(sibling->lowest) && !std::isnan(node.lowest))
        parent = Node { std::min(sibling->lowest, node.lowest),
            std::max(sibling->highest, node.highest) };
    Push(level + 1, index >> 1, parent);
}

} // namespace vantrel::model
