#pragma once
// Threads with a priority hint and an exit code.
//
// A Thread runs one body; the body's result is the thread's exit code. An
// exception that leaves the body ends the thread and is thrown again by
// join(), so it is never lost. Destroying a Thread that still runs waits for
// it to end.

#include <atomic>
#include <exception>
#include <functional>
#include <optional>
#include <thread>

namespace platform::system {

enum class ThreadPriority {
    Normal,
    // A little below the rest of the process: best effort (a higher nice value
    // for this thread); a thread whose priority cannot be lowered still runs.
    BelowNormal,
};

class Thread {
public:
    Thread() = default;
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts the body on a new thread. False when a thread already started on
    // this object or the system cannot create one.
    bool start(std::function<int()> body, ThreadPriority priority = ThreadPriority::Normal);

    // Waits for the thread to end and gives its exit code; throws what the
    // body threw. Returns nullopt when no thread was started or it was
    // already joined.
    std::optional<int> join();

    // True between start() and the end of the body.
    bool isRunning() const;

private:
    std::thread m_thread;
    std::optional<int> m_exitCode;
    std::exception_ptr m_failure;
    std::atomic<bool> m_finished = false;
    bool m_started = false;
};

}  // namespace platform::system
