#pragma once
// The driver's fuzz target runs on a fast-forward clock (FastForwardClock.cpp):
// sleeps return at once and the monotonic clock counts them as passed.

#include <chrono>

namespace marlet::fuzzing {

// The time all sleeps so far have skipped.
std::chrono::nanoseconds skippedTime();

}  // namespace marlet::fuzzing
