#include "CWorkerThreadWindow.h"

#include "LinkMessages.h"

namespace pelmsonvale {

CWorkerThreadWindow::CWorkerThreadWindow(platform::system::WindowHandle threadWindow) : m_threadWindow(threadWindow)
{
    // The stop request is seen here and not passed on: the client's thread
    // waits for this worker and delivers nothing meanwhile.
    m_window = platform::system::createMessageWindow([this](platform::system::Message& message) {
        if (message.id == WM_LINK_STOP)
            m_stopRequested = true;
        return std::intptr_t{0};
    });
}

CWorkerThreadWindow::~CWorkerThreadWindow()
{
    platform::system::destroyMessageWindow(m_window);
}

void CWorkerThreadWindow::Post(platform::system::MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
                               std::unique_ptr<platform::system::Payload> payload) const
{
    platform::system::postMessage(m_threadWindow, id, wParam, lParam, std::move(payload));
}

bool CWorkerThreadWindow::PumpMessages()
{
    if (!platform::system::pumpMessages())
        m_stopRequested = true;
    return !m_stopRequested;
}

bool CWorkerThreadWindow::WaitUntil(std::chrono::steady_clock::time_point deadline)
{
    using namespace std::chrono;
    while (!m_stopRequested) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
        if (left <= milliseconds(0))
            break;
        if (platform::system::waitForMessage(left))
            PumpMessages();
    }
    return !m_stopRequested;
}

}  // namespace pelmsonvale
