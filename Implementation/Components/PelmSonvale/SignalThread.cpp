#include "SignalThread.h"

#include "LinkMessages.h"

namespace pelmsonvale {

SignalThread::~SignalThread()
{
    stop();
}

bool SignalThread::start(platform::system::WindowHandle window)
{
    if (m_running)
        return false;
    m_command = None;
    m_running = m_thread.start([this, window] { return run(window); });
    return m_running;
}

bool SignalThread::trigger()
{
    if (!m_running || !m_ready.wait(kReadyTimeout))
        return false;
    // Not ready again until the thread has taken this one, so that a second
    // trigger cannot merge with it.
    m_ready.reset();
    m_command = Post;
    m_go.set();
    return true;
}

void SignalThread::stop()
{
    if (!m_running)
        return;
    m_ready.wait();
    m_command = End;
    m_go.set();
    m_thread.join();
    m_running = false;
}

int SignalThread::run(platform::system::WindowHandle window)
{
    while (true) {
        m_ready.set();
        m_go.wait();
        m_ready.reset();
        if (m_command == End)
            return 0;
        if (m_command == Post)
            platform::system::postMessage(window, WM_LINK_MEASUREMENTCOMPLETE, 0, 0);
    }
}

}  // namespace pelmsonvale
