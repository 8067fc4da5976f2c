#pragma once
// What a fuzz target asserts about the reader it feeds. A broken expectation
// ends the run as a crash does, so that libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

namespace platform::testing {

inline void fuzzExpect(bool holds, const char* expectation)
{
    if (!holds) {
        std::fprintf(stderr, "Fuzzing broke an expectation: %s\n", expectation);
        std::abort();
    }
}

}  // namespace platform::testing
