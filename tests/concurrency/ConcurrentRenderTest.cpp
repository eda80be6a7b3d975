// Independent graphs drawn on four threads at once give the pixels each gives drawn alone.
#include "support/RandomModel.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace vantrel {
namespace {

using testsupport::DrawnScreen;
using testsupport::RandomModel;

TEST(ConcurrentRendering, FourThreadsDrawWhatEachDrawsAlone)
{
    constexpr int kThreads = 4;
    constexpr int kRounds = 6;
    constexpr int32_t kWidth = 160;
    constexpr int32_t kHeight = 120;
    // Each thread has its own models: series of every type, pens and labels differ between them.
    std::vector<Ref<GraphData>> models;
    std::vector<std::vector<uint32_t>> alone;
    for (uint32_t seed = 1; seed <= 2 * kThreads; ++seed) {
        models.push_back(RandomModel(seed * 7919).Make(true));
        alone.push_back(DrawnScreen(models.back(), kWidth, kHeight));
    }
    std::atomic<int> mismatches { 0 };
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                const std::size_t m = static_cast<std::size_t>(2 * t + round % 2);
                if (DrawnScreen(models[m], kWidth, kHeight) != alone[m])
                    ++mismatches;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches.load(), 0) << "pictures that differ from the same graph drawn alone";
}

} // namespace
} // namespace vantrel
