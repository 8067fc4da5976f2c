// Time in the driver's fuzz target: a sleep returns at once and moves the
// monotonic clock on by what it would have slept, so the record reader's
// pauses and time limits work as they would, without the fuzzer waiting for
// them. These definitions take the place of the C library's for the whole
// process; other clocks are the system's.

#include "driver/fuzz/FastForwardClock.h"

#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>

namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

std::atomic<std::int64_t> g_skipped{0};  // nanoseconds

int systemClock(clockid_t clock, timespec* time)
{
    return static_cast<int>(::syscall(SYS_clock_gettime, clock, time));
}

}  // namespace

namespace marlet::fuzzing {

std::chrono::nanoseconds skippedTime()
{
    return std::chrono::nanoseconds(g_skipped.load());
}

}  // namespace marlet::fuzzing

extern "C" int nanosleep(const timespec* duration, timespec* remaining)
{
    if (!duration || duration->tv_nsec < 0 || duration->tv_nsec >= kNanosecondsPerSecond || duration->tv_sec < 0) {
        errno = EINVAL;
        return -1;
    }
    g_skipped += duration->tv_sec * kNanosecondsPerSecond + duration->tv_nsec;
    if (remaining)
        *remaining = {};
    return 0;
}

extern "C" int clock_gettime(clockid_t clock, timespec* time)
{
    const int result = systemClock(clock, time);
    if (result != 0 || clock != CLOCK_MONOTONIC)
        return result;
    const std::int64_t now = time->tv_sec * kNanosecondsPerSecond + time->tv_nsec + g_skipped.load();
    time->tv_sec = now / kNanosecondsPerSecond;
    time->tv_nsec = now % kNanosecondsPerSecond;
    return 0;
}
