// What several benchmark programs share: the fastest of repeated runs on a chosen clock.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <limits>

namespace bench {

// The thread's processor time (user and system, page faults included): on a shared, loaded
// machine wall time mostly measures the other processes.
inline double ThreadSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

inline double WallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The fastest of `repeats` runs of `work`, in seconds of the given clock.
template <class Work> double FastestSeconds(int repeats, Work work, double (*clock)() = WallSeconds)
{
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < repeats; ++i) {
        const double start = clock();
        work();
        best = std::min(best, clock() - start);
    }
    return best;
}

} // namespace bench
