// What several benchmark programs share: a bitmap device context and the fastest of repeated runs.
#pragma once

#include "gdi/Gdi.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <limits>

namespace bench {

// A memory DC with a 32-bit bitmap selected, released in reverse order.
class Picture {
public:
    Picture(int32_t width, int32_t height)
        : dc_(gdi::CreateCompatibleDC(0))
        , bitmap_(gdi::CreateBitmap32(width, height))
        , previous_(gdi::SelectObject(dc_, bitmap_))
    {
    }
    ~Picture()
    {
        gdi::SelectObject(dc_, previous_);
        gdi::DeleteDC(dc_);
        gdi::DeleteObject(bitmap_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int32_t Handle() const { return static_cast<int32_t>(dc_); }

private:
    gdi::HDC dc_;
    gdi::HBITMAP bitmap_;
    gdi::HGDIOBJ previous_;
};

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
