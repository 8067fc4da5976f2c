#pragma once
// A critical section: a mutex that the thread holding it may take again, as
// code written for the platform's critical sections expects. Use it with
// std::lock_guard or std::unique_lock.

#include <mutex>

namespace platform::system {

using CriticalSection = std::recursive_mutex;

}  // namespace platform::system
