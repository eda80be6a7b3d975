// The min/max pyramid against a plain scan: random appends, drops and queries (ranges, block
// bounds, range ends), NaN and infinite values among them; and its size.
#include "vantrel/model/MinMaxPyramid.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace vantrel::model {
namespace {

struct Window {
    std::vector<double> values; // every point ever appended
    int64_t first = 0; // points before it are dropped

    double operator()(int64_t k) const { return values[static_cast<size_t>(first + k)]; }
    int64_t Count() const { return static_cast<int64_t>(values.size()) - first; }
};

// NaN and infinities one value in `rarity` each (rare enough in some trials that blocks of
// every level are known).
double RandomValue(std::mt19937_64& random, uint64_t rarity = 40)
{
    const double inf = std::numeric_limits<double>::infinity();
    switch (random() % rarity) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return inf;
    case 2:
        return -inf;
    default:
        return static_cast<double>(static_cast<int64_t>(random() % 2001) - 1000) / 8.0;
    }
}

TEST(MinMaxPyramid, AnswersAsAScanOfThePointsDoesThroughAppendsAndDrops)
{
    const uint64_t seed = std::random_device {}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937_64 random(seed);
    for (int trial = 0; trial < 40; ++trial) {
        Window window;
        MinMaxPyramid pyramid;
        bool built = false;
        // Every third trial long enough for partly filled blocks of 16384 points.
        const uint64_t most = trial % 3 == 0 ? 30'000 : 700;
        const uint64_t rarity = trial % 2 == 0 ? 40 : 200'000;
        for (int step = 0; step < 30; ++step) {
            const int64_t appended = static_cast<int64_t>(random() % most);
            for (int64_t i = 0; i < appended; ++i)
                window.values.push_back(RandomValue(random, rarity));
            if (!built && random() % 3 == 0) {
                pyramid.Build(window, window.Count());
                built = true;
            } else if (built) {
                pyramid.Extend(window, window.Count());
            }
            const int64_t dropped = static_cast<int64_t>(random() % (window.Count() / 2 + 1));
            window.first += dropped;
            if (built)
                pyramid.DropFront(dropped);
            if (!built || window.Count() == 0)
                continue;
            for (int query = 0; query < 20; ++query) {
                const int64_t n = window.Count();
                int64_t begin = static_cast<int64_t>(random() % static_cast<uint64_t>(n));
                int64_t end
                    = begin + 1 + static_cast<int64_t>(random() % static_cast<uint64_t>(n - begin));
                ValueRange expected;
                for (int64_t k = begin; k < end; ++k)
                    expected.Add(window(k));
                const ValueRange range = pyramid.Range(window, begin, end);
                ASSERT_EQ(range.anyNaN, expected.anyNaN) << begin << " " << end;
                if (!expected.anyNaN) {
                    ASSERT_EQ(range.lowest, expected.lowest) << begin << " " << end;
                    ASSERT_EQ(range.highest, expected.highest) << begin << " " << end;
                }
                // Whole leaves exact, the leaves at the ends bounding the points beyond them.
                const MinMaxPyramid::Bounds bounds = pyramid.BlockBounds(begin, end);
                if (bounds.innerBegin < bounds.innerEnd) {
                    ASSERT_TRUE(begin <= bounds.innerBegin && bounds.innerBegin - begin < 64
                        && end >= bounds.innerEnd && end - bounds.innerEnd < 64);
                    const ValueRange inner
                        = MinMaxPyramid::Scan(window, bounds.innerBegin, bounds.innerEnd);
                    ASSERT_EQ(bounds.inner.anyNaN, inner.anyNaN);
                    if (!inner.anyNaN) {
                        ASSERT_EQ(bounds.inner.lowest, inner.lowest);
                        ASSERT_EQ(bounds.inner.highest, inner.highest);
                    }
                    const int64_t pieces[2][2]
                        = { { begin, bounds.innerBegin }, { bounds.innerEnd, end } };
                    for (int side = 0; side < 2; ++side) {
                        const ValueRange piece
                            = MinMaxPyramid::Scan(window, pieces[side][0], pieces[side][1]);
                        const ValueRange& block = bounds.ends[side];
                        if (!block.anyNaN) {
                            ASSERT_FALSE(piece.anyNaN);
                            ASSERT_TRUE(
                                piece.lowest >= block.lowest && piece.highest <= block.highest)
                                << begin << " " << end << " side " << side;
                        }
                    }
                }
                const double lowest = RandomValue(random);
                const double highest = lowest + static_cast<double>(random() % 200);
                int64_t expectedEnd = begin;
                while (expectedEnd < end && window(expectedEnd) >= lowest
                    && window(expectedEnd) <= highest)
                    ++expectedEnd;
                ASSERT_EQ(pyramid.RangeEnd(window, begin, end, lowest, highest), expectedEnd)
                    << begin << " " << end << " [" << lowest << ", " << highest << "]";
            }
        }
    }
}

TEST(MinMaxPyramid, TakesAThirtiethOfTheValuesAndReleasesDroppedBlocks)
{
    std::vector<double> values(1 << 20);
    for (size_t k = 0; k < values.size(); ++k)
        values[k] = std::sin(static_cast<double>(k));
    const auto read = [&](int64_t k) { return values[static_cast<size_t>(k)]; };
    MinMaxPyramid pyramid;
    pyramid.Build(read, static_cast<int64_t>(values.size()));
    const int64_t valueBytes = static_cast<int64_t>(values.size() * sizeof(double));
    EXPECT_LE(pyramid.Bytes() * 30, valueBytes);
    EXPECT_GT(pyramid.Bytes() * 32, valueBytes);
    pyramid.DropFront(static_cast<int64_t>(values.size()) - 100);
    EXPECT_LE(pyramid.Bytes() * 1000, valueBytes);
}

} // namespace
} // namespace vantrel::model
