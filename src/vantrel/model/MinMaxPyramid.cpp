// The pyramid's node bookkeeping: completing parents, releasing blocks behind the origin.
#include "model/MinMaxPyramid.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace vantrel::model {

namespace {

// Lowest, highest and any NaN of count values; SSE2 on x86-64 (its min and max are exactly
// `a < b ? a : b`, and a NaN is caught by the unordered compare).
ValueRange PlainScan(const double* values, int64_t count)
{
    ValueRange range;
    int64_t i = 0;
#if defined(__x86_64__)
    if (count >= 4) {
        __m128d low0 = _mm_set1_pd(range.lowest), low1 = low0;
        __m128d high0 = _mm_set1_pd(range.highest), high1 = high0;
        __m128d nan = _mm_setzero_pd();
        for (; i + 4 <= count; i += 4) {
            const __m128d a = _mm_loadu_pd(values + i);
            const __m128d b = _mm_loadu_pd(values + i + 2);
            low0 = _mm_min_pd(a, low0);
            low1 = _mm_min_pd(b, low1);
            high0 = _mm_max_pd(a, high0);
            high1 = _mm_max_pd(b, high1);
            nan = _mm_or_pd(nan, _mm_cmpunord_pd(a, b));
        }
        alignas(16) double low[2];
        alignas(16) double high[2];
        _mm_store_pd(low, _mm_min_pd(low0, low1));
        _mm_store_pd(high, _mm_max_pd(high0, high1));
        range.lowest = std::min(low[0], low[1]);
        range.highest = std::max(high[0], high[1]);
        range.anyNaN = _mm_movemask_pd(nan) != 0;
    }
#endif
    for (; i < count; ++i)
        range.Add(values[i]);
    return range;
}

} // namespace

ValueRange MinMaxPyramid::RawScan(const double* values, int64_t count, bool log)
{
    const ValueRange plain = PlainScan(values, count);
    if (!log || count == 0)
        return plain;
    ValueRange range;
    if (plain.anyNaN || !(plain.lowest > 0.0) || !std::isfinite(plain.highest)) {
        // NaN, zero, negative or infinite values: every logarithm (such a column is drawn
        // point by point anyway).
        for (int64_t i = 0; i < count; ++i)
            range.Add(std::log10(values[i]));
        return range;
    }
    const double lowBound = plain.lowest * (1.0 + 0x1p-36);
    const double highBound = plain.highest * (1.0 - 0x1p-36);
    for (int64_t i = 0; i < count; ++i) {
        const double v = values[i];
        if (v <= lowBound || v >= highBound)
            range.Add(std::log10(v));
    }
    return range;
}

int64_t MinMaxPyramid::Bytes() const
{
    int64_t nodes = 0;
    for (const Level& level : levels_)
        nodes += static_cast<int64_t>(level.ring.size());
    return nodes * static_cast<int64_t>(sizeof(Node));
}

void MinMaxPyramid::Clear()
{
    levels_.clear();
    origin_ = 0;
    end_ = 0;
    built_ = false;
}

namespace {

// The ring's nodes in order from `start`, into a ring of `size` starting at 0.
template <class Level> void Resize(Level& nodes, size_t size)
{
    std::vector<typename decltype(nodes.ring)::value_type> ring;
    ring.reserve(size);
    for (int64_t i = 0; i < nodes.count; ++i) {
        size_t at = nodes.start + static_cast<size_t>(i);
        ring.push_back(nodes.ring[at >= nodes.ring.size() ? at - nodes.ring.size() : at]);
    }
    ring.resize(size);
    nodes.ring = std::move(ring);
    nodes.start = 0;
}

} // namespace

void MinMaxPyramid::Reserve(int64_t count)
{
    // Level l gains the nodes whose blocks end in (end_, end_ + count].
    for (size_t level = 0;; ++level) {
        const int shift = kLeafShift + kFanShift * static_cast<int>(level);
        const int64_t nodes = ((end_ + count) >> shift) - (end_ >> shift);
        if (nodes == 0)
            break;
        if (level == levels_.size())
            levels_.push_back(Level {});
        Level& ring = levels_[level];
        const size_t wanted = static_cast<size_t>(ring.count + nodes);
        if (wanted > ring.ring.size())
            Resize(ring, wanted);
    }
}

void MinMaxPyramid::DropFront(int64_t count)
{
    origin_ += count;
    // A block that starts before the origin can never be wholly inside the series again.
    for (size_t level = 0; level < levels_.size(); ++level) {
        Level& nodes = levels_[level];
        const int shift = kLeafShift + kFanShift * static_cast<int>(level);
        const int64_t keepFrom = (origin_ + (int64_t { 1 } << shift) - 1) >> shift;
        const int64_t gone = std::clamp<int64_t>(keepFrom - nodes.first, 0, nodes.count);
        nodes.start += static_cast<size_t>(gone);
        if (nodes.start >= nodes.ring.size())
            nodes.start -= nodes.ring.size();
        nodes.first += gone;
        nodes.count -= gone;
        if (nodes.count == 0)
            nodes.first = std::max(nodes.first, keepFrom);
        // A ring three quarters empty gives half back: each node moved was dropped for.
        if (nodes.ring.size() > 64 && static_cast<size_t>(nodes.count) * 4 < nodes.ring.size())
            Resize(nodes, static_cast<size_t>(nodes.count) * 2);
    }
}

void MinMaxPyramid::Push(size_t level, int64_t index, Node node)
{
    if (level == levels_.size())
        levels_.push_back(Level {});
    Level& nodes = levels_[level];
    if (nodes.count == 0)
        nodes.first = index;
    if (static_cast<size_t>(nodes.count) == nodes.ring.size())
        Resize(nodes, std::max<size_t>(16, nodes.ring.size() + nodes.ring.size() / 2));
    size_t at = nodes.start + static_cast<size_t>(nodes.count);
    if (at >= nodes.ring.size())
        at -= nodes.ring.size();
    nodes.ring[at] = node;
    ++nodes.count;
    // Every level's nodes arrive in order from index 0, so the parts of a parent arrive
    // together, the last completing it (the parts themselves may since have been dropped).
    if ((index & kFanMask) == 0)
        nodes.parent = node;
    else if (std::isnan(nodes.parent.lowest) || std::isnan(node.lowest))
        nodes.parent = Unknown();
    else
        nodes.parent = Node { std::min(nodes.parent.lowest, node.lowest),
            std::max(nodes.parent.highest, node.highest) };
    if ((index & kFanMask) == kFanMask)
        Push(level + 1, index >> kFanShift, levels_[level].parent);
}

} // namespace vantrel::model
