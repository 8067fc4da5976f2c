#pragma once
// The number of the runtime error an action raises, 0 when it raises none.

#include "platform/runtime/RuntimeError.h"

#include <cstdint>

namespace platform::runtime::testing {

template <class Action>
std::int32_t errorNumberOf(Action&& action)
{
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace platform::runtime::testing
