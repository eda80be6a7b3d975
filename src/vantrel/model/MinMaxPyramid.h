// A min/max pyramid over one array of a series: the lowest and highest value of every aligned
// block of 64 << (4 * level) points (64, 1024, 16384, ...), for the replay's per-column
// statistics in logarithmic time.
//
// Blocks are aligned to absolute indices (points counted since the pyramid was built), so that
// dropping points from the front only moves the origin: a block that lost points at the front
// is never wholly inside the series again, and no query reads it. Appending completes blocks
// at the end; each block is worked out once, from its sixteen parts, so an append costs
// amortised O(Count) and a drop amortised O(dropped) (blocks released from the front), with no
// rescan whatever the dropped block held. Partial blocks at a query's ends are read from the
// values.
//
// Why sixteen parts and not two. A replay asks for one pixel column after the other, and what
// bounds its time is the cache lines it misses. In a binary pyramid a column's whole blocks are
// one or two nodes on each of about 2 log2(points / 64) levels, every one a line of its own in
// memory. Here they are one run of neighbouring nodes of the coarsest level that fits in the
// column, which the next column's run continues (the hardware streams it), bordered at either
// end by at most fifteen nodes of each finer level: lines next to each other, around the
// column's ends, where the next column reads too and which can be fetched a column ahead. The
// levels above are small enough to stay cached. The nodes take 16 bytes per 64 points at the
// first level and a sixteenth of that at each next one: about a thirtieth of the 8-byte
// values. Each level is one ring of nodes, so that a node's address needs no other load.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace vantrel::model {

// A hint to the processor to bring `address` into the cache. GCC drops __builtin_prefetch from
// a loop that does nothing else (the loop has no side effect it knows of), hence the asm.
inline void FetchAhead(const void* address)
{
#if defined(__x86_64__)
    asm volatile("prefetcht0 (%0)" : : "r"(address));
#else
    __builtin_prefetch(address);
#endif
}

// Lowest and highest of the values that are not NaN, and whether any is NaN.
struct ValueRange {
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    bool anyNaN = false;

    void Add(double value)
    {
        lowest = value < lowest ? value : lowest;
        highest = value > highest ? value : highest;
        anyNaN = anyNaN || std::isnan(value);
    }
};

// Values is a callable giving the value of point k (0 = the series' first point now held).
class MinMaxPyramid {
public:
    static constexpr int kLeafShift = 6;
    static constexpr int kFanShift = 4;

    bool Built() const { return built_; }
    int64_t Bytes() const;
    void Clear();

    // Builds over points [0, count).
    template <class Values> void Build(const Values& values, int64_t count)
    {
        Clear();
        built_ = true;
        Reserve(count);
        Extend(values, count);
    }

    // The series now holds points [0, count), the earlier ones unchanged.
    template <class Values> void Extend(const Values& values, int64_t count)
    {
        const int64_t newEnd = origin_ + count;
        for (int64_t leaf = end_ >> kLeafShift; leaf < newEnd >> kLeafShift; ++leaf) {
            const int64_t first = (leaf << kLeafShift) - origin_;
            Node node = Unknown();
            if (first >= 0)
                node = NodeOf(Scan(values, first, first + (int64_t { 1 } << kLeafShift)));
            Push(0, leaf, node);
        }
        end_ = newEnd;
    }

    // Points [0, count) are gone; the series' point count becomes the old one less count.
    void DropFront(int64_t count);

    // The values of points [begin, end), begin < end.
    template <class Values> ValueRange Range(const Values& values, int64_t begin, int64_t end) const
    {
        const int64_t a = origin_ + begin;
        const int64_t b = origin_ + end;
        const int64_t left = Above(a, kLeafShift);
        const int64_t right = b >> kLeafShift;
        if (left >= right)
            return Scan(values, begin, end);
        ValueRange range = Scan(values, begin, (left << kLeafShift) - origin_);
        Merge(range, Scan(values, (right << kLeafShift) - origin_, end));
        TakeLeaves(left, right, range);
        return range;
    }

    // The values of whole leaves inside [begin, end) without reading any point: `inner` is the
    // exact range of points [innerBegin, innerEnd), the whole leaves (empty, innerBegin ==
    // innerEnd, when none is); ends[0] and ends[1] are the ranges of the leaves that hold the
    // points before innerBegin and from innerEnd on (empty where there are none), with anyNaN
    // set when such a leaf is not known.
    struct Bounds {
        ValueRange inner;
        int64_t innerBegin = 0;
        int64_t innerEnd = 0;
        ValueRange ends[2];
    };
    Bounds BlockBounds(int64_t begin, int64_t end) const
    {
        Bounds bounds;
        const int64_t a = origin_ + begin;
        const int64_t b = origin_ + end;
        const int64_t left = Above(a, kLeafShift);
        const int64_t right = b >> kLeafShift;
        if (left >= right)
            return bounds;
        bounds.innerBegin = (left << kLeafShift) - origin_;
        bounds.innerEnd = (right << kLeafShift) - origin_;
        if (bounds.innerBegin != begin)
            TakeRun(0, left - 1, left, bounds.ends[0]);
        if (bounds.innerEnd != end)
            TakeRun(0, right, right + 1, bounds.ends[1]);
        TakeLeaves(left, right, bounds.inner);
        return bounds;
    }

    // Asks the processor for what a look-up of a range ending at point `end` (< the count) and
    // `span` points long reads beyond the run of coarsest blocks (which the hardware streams):
    // around the end, the finer nodes inside the coarser blocks, and the leaf's points (from
    // `zero`), which it reads when the leaf leaves a row undecided.
    void Prefetch(const double* zero, int64_t end, int64_t span) const
    {
        const int64_t b = origin_ + end;
        int shift = kLeafShift;
        for (size_t level = 0;
             level + 1 < levels_.size() && (int64_t { 1 } << (shift + kFanShift)) <= span;
             ++level, shift += kFanShift) {
            const int64_t first = (b >> (shift + kFanShift)) << kFanShift;
            // Four nodes a line, the ring's lines not aligned to the blocks: five lines.
            for (int64_t node = first; node < first + kFan + 3; node += 4) {
                if (const Node* at = Find(level, std::min(node, first + kFan - 1)))
                    FetchAhead(at);
            }
        }
        const int64_t first = std::max(origin_, b & ~kLeafMask) - origin_;
        const int64_t last = std::min(end_, (b | kLeafMask) + 1) - origin_;
        for (int64_t k = first; k < last; k += 8)
            FetchAhead(zero + k);
        FetchAhead(zero + last - 1);
    }

    // The first index in [begin, end) whose value is not within [lowest, highest] (NaN never
    // is), or end: up the pyramid while whole blocks stay inside, then down to the leaving
    // point.
    template <class Values>
    int64_t RangeEnd(
        const Values& values, int64_t begin, int64_t end, double lowest, double highest) const
    {
        const auto inside = [&](double v) { return v >= lowest && v <= highest; };
        const int64_t b = origin_ + end;
        int64_t pos = origin_ + begin;
        const int64_t aligned = std::min(b, Above(pos, kLeafShift) << kLeafShift);
        for (; pos < aligned; ++pos) {
            if (!inside(values(pos - origin_)))
                return pos - origin_;
        }
        size_t level = 0;
        while (pos < b) {
            const int shift = kLeafShift + kFanShift * static_cast<int>(level);
            const int64_t size = int64_t { 1 } << shift;
            const Node* node = pos + size <= b ? Find(level, pos >> shift) : nullptr;
            if (node && node->lowest >= lowest && node->highest <= highest) {
                pos += size;
                if (((pos >> shift) & kFanMask) == 0 && level + 1 < levels_.size())
                    ++level;
            } else if (level > 0) {
                --level;
            } else {
                break;
            }
        }
        for (; pos < b; ++pos) {
            if (!inside(values(pos - origin_)))
                return pos - origin_;
        }
        return end;
    }

    // The range of points [begin, end) read one by one; through RawScan when the values are an
    // array (Values::Raw() not null), its logarithms included.
    template <class Values> static ValueRange Scan(const Values& values, int64_t begin, int64_t end)
    {
        if constexpr (requires { values.Raw(); }) {
            if (const double* raw = values.Raw())
                return RawScan(raw + begin, end - begin, values.Log());
        }
        ValueRange range;
        for (int64_t k = begin; k < end; ++k)
            range.Add(values(k));
        return range;
    }

    // The range of count values, or of their std::log10 with `log`. The logarithms are not
    // all taken: only those of the values within a relative 2^-36 of the lowest and highest.
    // This relies on std::log10 erring by less than 2^-42 absolute (2 ulp of results below
    // 512, glibc's documented bound): values farther apart than that have logarithms at least
    // 6e-12 apart, so their computed logarithms are ordered as they are.
    static ValueRange RawScan(const double* values, int64_t count, bool log);

private:
    static constexpr int64_t kLeafMask = (int64_t { 1 } << kLeafShift) - 1;
    static constexpr int64_t kFan = int64_t { 1 } << kFanShift;
    static constexpr int64_t kFanMask = kFan - 1;

    // NaN in both for a block holding a NaN or one whose values are not all known.
    struct Node {
        double lowest;
        double highest;
    };
    // Nodes first .. first + count - 1 of one level, node first + i at ring[(start + i) mod
    // the ring's size]; `parent` gathers the parts of the next level's block being completed.
    struct Level {
        std::vector<Node> ring;
        size_t start = 0;
        int64_t first = 0;
        int64_t count = 0;
        Node parent {};
    };

    // The first index i with i << shift >= position.
    static int64_t Above(int64_t position, int shift)
    {
        return (position + (int64_t { 1 } << shift) - 1) >> shift;
    }
    static Node Unknown()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return Node { nan, nan };
    }
    static Node NodeOf(const ValueRange& range)
    {
        return range.anyNaN ? Unknown() : Node { range.lowest, range.highest };
    }

    static void Merge(ValueRange& range, const ValueRange& other)
    {
        range.lowest = std::min(range.lowest, other.lowest);
        range.highest = std::max(range.highest, other.highest);
        range.anyNaN = range.anyNaN || other.anyNaN;
    }
    const Node* Find(size_t level, int64_t index) const
    {
        if (level >= levels_.size())
            return nullptr;
        const Level& nodes = levels_[level];
        const auto offset = static_cast<uint64_t>(index - nodes.first);
        if (offset >= static_cast<uint64_t>(nodes.count))
            return nullptr;
        size_t at = nodes.start + static_cast<size_t>(offset);
        if (at >= nodes.ring.size())
            at -= nodes.ring.size();
        return &nodes.ring[at];
    }
    // Leaves [left, right) into `range`: at each level the nodes that do not make up a whole
    // block of the next (a run of at most fifteen at either end), then the run of the level
    // above which they border.
    void TakeLeaves(int64_t left, int64_t right, ValueRange& range) const
    {
        for (size_t level = 0;; ++level) {
            const int64_t upLeft = Above(left, kFanShift);
            const int64_t upRight = right >> kFanShift;
            if (upLeft >= upRight || level + 1 >= levels_.size()) {
                TakeRun(level, left, right, range);
                return;
            }
            TakeRun(level, left, upLeft << kFanShift, range);
            TakeRun(level, upRight << kFanShift, right, range);
            left = upLeft;
            right = upRight;
        }
    }
    // Nodes [lo, hi) of a level into `range`. A node the series holds wholly always exists; a
    // missing one (which would be a bookkeeping fault) is taken as unknown, which only sends
    // the column down the exact point-by-point path.
    void TakeRun(size_t level, int64_t lo, int64_t hi, ValueRange& range) const
    {
        if (lo >= hi)
            return;
        if (level >= levels_.size()) {
            range.anyNaN = true;
            return;
        }
        const Level& nodes = levels_[level];
        if (lo < nodes.first || hi > nodes.first + nodes.count) {
            range.anyNaN = true;
            return;
        }
        const size_t size = nodes.ring.size();
        size_t at = nodes.start + static_cast<size_t>(lo - nodes.first);
        at = at >= size ? at - size : at;
        double lowest = range.lowest;
        double highest = range.highest;
        bool unknown = false;
        for (int64_t i = lo; i < hi; ++i) {
            const Node& node = nodes.ring[at];
            at = at + 1 == size ? 0 : at + 1;
            unknown = unknown || std::isnan(node.lowest);
            lowest = node.lowest < lowest ? node.lowest : lowest;
            highest = node.highest > highest ? node.highest : highest;
        }
        range.lowest = lowest;
        range.highest = highest;
        range.anyNaN = range.anyNaN || unknown;
    }
    void Push(size_t level, int64_t index, Node node);
    // Room in each level for the nodes of `count` more points.
    void Reserve(int64_t count);

    std::vector<Level> levels_;
    int64_t origin_ = 0; // absolute index of point 0
    int64_t end_ = 0; // absolute index past the last point
    bool built_ = false;
};

} // namespace vantrel::model
