#pragma once
// Test help for running measurements: the test thread runs the Qt event loop
// (which delivers the link's windows on this thread) until a condition holds.

#include "ControllerFixture.h"

#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <functional>
#include <thread>

namespace pelmsonvale::testing {

// Checks the condition after each step until it holds; false when it still
// does not after the time limit.
inline bool checkUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit,
                       const std::function<void()>& step)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        step();
    }
    return true;
}

// Runs the event loop until the condition holds; false when it still does not
// after the time limit.
inline bool runUntil(const std::function<bool()>& condition,
                     std::chrono::milliseconds limit = std::chrono::milliseconds(10000))
{
    return checkUntil(condition, limit, [] {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    });
}

// Waits, delivering nothing on this thread, until the condition holds; false
// after the time limit.
inline bool waitWithoutDelivering(const std::function<bool()>& condition,
                                  std::chrono::milliseconds limit = std::chrono::milliseconds(10000))
{
    return checkUntil(condition, limit, [] { std::this_thread::sleep_for(std::chrono::milliseconds(5)); });
}

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
