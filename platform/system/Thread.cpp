#include "platform/system/Thread.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>
#include <utility>

namespace platform::system {

namespace {

// Two nice steps lower than the thread is now: below the process's other
// threads, far above idle work. Failures are ignored (a priority hint only).
void lowerCurrentThreadPriority()
{
    const pid_t thread = ::gettid();
    const int nice = ::getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(thread), std::min(nice + 2, 19));
}

}  // namespace

Thread::~Thread()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool Thread::start(std::function<int()> body, ThreadPriority priority)
{
    if (m_started || !body)
        return false;
    try {
        m_thread = std::thread([this, body = std::move(body), priority] {
            if (priority == ThreadPriority::BelowNormal)
                lowerCurrentThreadPriority();
            try {
                m_exitCode = body();
            } catch (...) {
                m_failure = std::current_exception();
            }
            m_finished = true;
        });
    } catch (const std::system_error&) {
        return false;
    }
    m_started = true;
    return true;
}

std::optional<int> Thread::join()
{
    if (!m_thread.joinable())
        return std::nullopt;
    m_thread.join();
    if (m_failure)
        std::rethrow_exception(std::exchange(m_failure, nullptr));
    return m_exitCode;
}

bool Thread::isRunning() const
{
    return m_started && !m_finished;
}

}  // namespace platform::system
