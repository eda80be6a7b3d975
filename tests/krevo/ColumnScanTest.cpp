// The vector column loops against the scalar loop, each called directly, on seeded random
// values with NaNs, infinities, signed zeros and runs inside and outside the range.
#include "krevo/ColumnScan.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

using namespace krevo;

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct Variant {
    const char* label;
    ValueStats (*stats)(const double*, int64_t);
    int64_t (*range)(const double*, int64_t, double, double);
    bool available;
};

std::vector<Variant> VectorLoops()
{
#if defined(__x86_64__) || defined(__i386__)
    return { { "sse2", loops::StatsSse2, loops::RangeSse2, true },
        { "avx", loops::StatsAvx, loops::RangeAvx, loops::HasAvx() } };
#else
    return {};
#endif
}

// A seed from KREVO_TEST_SEED or a fresh one, printed so that a failure can be replayed.
uint32_t TestSeed()
{
    const char* fixed = std::getenv("KREVO_TEST_SEED");
    const uint32_t seed
        = fixed ? static_cast<uint32_t>(std::strtoul(fixed, nullptr, 10)) : std::random_device {}();
    std::printf("seed %u (replay with KREVO_TEST_SEED=%u)\n", seed, seed);
    return seed;
}

// Mostly ordinary values in [-100, 100], with every kind of special value now and then; long
// enough to cover several vector blocks and every tail length.
std::vector<double> RandomValues(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(0, 70);
    std::uniform_int_distribution<int> kind(0, 39);
    std::uniform_real_distribution<double> value(-100.0, 100.0);
    std::vector<double> values(static_cast<size_t>(length(random)));
    for (double& v : values) {
        switch (kind(random)) {
        case 0:
            v = nan;
            break;
        case 1:
            v = inf;
            break;
        case 2:
            v = -inf;
            break;
        case 3:
            v = 0.0;
            break;
        case 4:
            v = -0.0;
            break;
        default:
            v = value(random);
        }
    }
    return values;
}

TEST(ColumnScan, VectorLoopsAgreeWithTheScalarLoop)
{
    const uint32_t seed = TestSeed();
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> bound(-120.0, 120.0);
    std::uniform_int_distribution<int> boundKind(0, 9);
    for (const Variant& loop : VectorLoops()) {
        if (!loop.available) {
            std::printf("%s: not on this processor\n", loop.label);
            continue;
        }
        for (int round = 0; round < 20000; ++round) {
            const std::vector<double> values = RandomValues(random);
            const auto count = static_cast<int64_t>(values.size());
            const ValueStats expected = loops::StatsScalar(values.data(), count);
            const ValueStats actual = loop.stats(values.data(), count);
            ASSERT_EQ(actual.anyNaN, expected.anyNaN)
                << loop.label << " seed " << seed << " round " << round;
            if (!expected.anyNaN) {
                // == on purpose: the sign of a zero extreme is free.
                ASSERT_TRUE(actual.lowest == expected.lowest && actual.highest == expected.highest)
                    << loop.label << " seed " << seed << " round " << round << ": " << actual.lowest
                    << ".." << actual.highest << " instead of " << expected.lowest << ".."
                    << expected.highest;
            }

            // Bounds: random, infinite or NaN now and then, sometimes reversed.
            double lowest = boundKind(random) == 0 ? -inf : bound(random);
            double highest = boundKind(random) == 0 ? inf : bound(random);
            if (boundKind(random) == 0)
                (boundKind(random) < 5 ? lowest : highest) = nan;
            else if (boundKind(random) > 1 && lowest > highest)
                std::swap(lowest, highest);
            ASSERT_EQ(loop.range(values.data(), count, lowest, highest),
                loops::RangeScalar(values.data(), count, lowest, highest))
                << loop.label << " seed " << seed << " round " << round << " range " << lowest
                << ".." << highest;
        }
    }
}

} // namespace
