#pragma once
// For tests: the number of the error that a call raises.

#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace host::testing {

// The number of the error raised by call (whose description must say
// something); a test failure, and 0, when it raises none.
template <class Call>
std::int32_t raisedNumber(Call call)
{
    try {
        call();
    } catch (const platform::runtime::RuntimeError& error) {
        EXPECT_FALSE(error.description().empty());
        return error.number();
    }
    ADD_FAILURE() << "no error was raised";
    return 0;
}

}  // namespace host::testing
