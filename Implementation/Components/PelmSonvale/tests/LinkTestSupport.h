#pragma once
// Test help for running measurements: the event loop waits, and the events
// that a controller fired, read back.

#include "ControllerFixture.h"
#include "testing/EventLoopWaits.h"

namespace pelmsonvale::testing {

inline std::size_t countOf(const EventLog& log, platform::com::DISPID event)
{
    std::size_t count = 0;
    for (const auto& entry : log.events)
        count += entry.first == event ? 1 : 0;
    return count;
}

// The events' DISPIDs in the order they came.
inline std::vector<platform::com::DISPID> eventIds(const EventLog& log)
{
    std::vector<platform::com::DISPID> ids;
    for (const auto& entry : log.events)
        ids.push_back(entry.first);
    return ids;
}

// The arguments as whole numbers (a true Boolean as -1).
inline std::vector<std::int32_t> integers(const std::vector<Variant>& arguments)
{
    std::vector<std::int32_t> values;
    for (const Variant& argument : arguments)
        values.push_back(argument.toLong());
    return values;
}

}  // namespace pelmsonvale::testing
