#pragma once
// Time-outs of the waiting calls, in milliseconds.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace platform::system {

// Waiting without a time-out.
inline constexpr std::chrono::milliseconds kWaitForever = std::chrono::milliseconds::max();

// Waits on the condition until the predicate holds or the time-out (which may
// be kWaitForever; a negative one counts as 0) passes; the predicate's last
// answer.
template <typename Predicate>
bool waitWithTimeout(std::condition_variable& condition, std::unique_lock<std::mutex>& lock,
                     std::chrono::milliseconds timeout, Predicate predicate)
{
    if (timeout == kWaitForever) {
        condition.wait(lock, predicate);
        return true;
    }
    return condition.wait_for(lock, std::max(timeout, std::chrono::milliseconds(0)), predicate);
}

}  // namespace platform::system
