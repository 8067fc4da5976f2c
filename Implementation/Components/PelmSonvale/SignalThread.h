#pragma once
// The controller's signal thread: it relays a measurement-complete report to
// the controller's own window, so that the event is fired from there and its
// handler may stop the measurement (which destroys the window that received
// the report).

#include "platform/system/Event.h"
#include "platform/system/MessageWindow.h"
#include "platform/system/Thread.h"

#include <atomic>
#include <chrono>

namespace pelmsonvale {

class SignalThread {
public:
    // How long trigger() waits for the thread to be ready.
    static constexpr std::chrono::milliseconds kReadyTimeout{15000};

    SignalThread() = default;
    // Stops the thread when it runs.
    ~SignalThread();
    SignalThread(const SignalThread&) = delete;
    SignalThread& operator=(const SignalThread&) = delete;

    // Starts the thread, which posts WM_LINK_MEASUREMENTCOMPLETE to `window`
    // at each trigger. False when the system cannot start a thread.
    bool start(platform::system::WindowHandle window);

    // Asks the thread to post; false when it was not ready within the
    // time-out or does not run (that report is then lost).
    bool trigger();

    // Ends the thread and waits for it; nothing when it does not run.
    void stop();

private:
    enum Command { None = 0, Post = 1, End = 2 };

    int run(platform::system::WindowHandle window);

    platform::system::Event m_go{platform::system::EventReset::Automatic};
    platform::system::Event m_ready{platform::system::EventReset::Manual};
    std::atomic<int> m_command = None;
    platform::system::Thread m_thread;
    bool m_running = false;
};

}  // namespace pelmsonvale
