#pragma once
// The measuring worker's context, made and used on the worker thread: its
// hidden window, where a stop request arrives, the client's thread window
// that receives its results, and the binding that owns the driver library
// (freed with the context).

#include "CVendorDriverWrapper.h"
#include "platform/system/MessageWindow.h"

#include <chrono>
#include <memory>

namespace pelmsonvale {

class CWorkerThreadWindow {
public:
    explicit CWorkerThreadWindow(platform::system::WindowHandle threadWindow);
    ~CWorkerThreadWindow();
    CWorkerThreadWindow(const CWorkerThreadWindow&) = delete;
    CWorkerThreadWindow& operator=(const CWorkerThreadWindow&) = delete;

    platform::system::WindowHandle Window() const { return m_window; }
    CVendorDriverWrapper& Binding() { return m_binding; }

    // Posts to the thread window; a message that cannot be delivered frees
    // its payload.
    void Post(platform::system::MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0,
              std::unique_ptr<platform::system::Payload> payload = nullptr) const;

    // Delivers what waits in the worker's queue; false once a stop or quit
    // request has come.
    bool PumpMessages();

    // Sleeps until the deadline, or less when a message comes first; false
    // once a stop or quit request has come.
    bool WaitUntil(std::chrono::steady_clock::time_point deadline);

private:
    const platform::system::WindowHandle m_threadWindow;
    platform::system::WindowHandle m_window = 0;
    CVendorDriverWrapper m_binding;
    bool m_stopRequested = false;
};

}  // namespace pelmsonvale
