#pragma once
// Waiting in tests for what the link delivers: the test thread runs the Qt
// event loop (which delivers the link's windows on this thread) until a
// condition holds.

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

}  // namespace pelmsonvale::testing
