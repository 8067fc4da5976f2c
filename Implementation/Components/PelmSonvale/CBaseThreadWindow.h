#pragma once
// The thread window: a hidden window on the client's thread that receives the
// measuring worker's results as posted messages and fires them as the
// controller's events, so that every event reaches the client on its own
// thread. One exists while a driver runs in this process.

#include "platform/system/MessageWindow.h"

namespace pelmsonvale {

class CSonvaleController;
class CSonvaleDriver;

class CBaseThreadWindow {
public:
    // The running driver and the controller whose events the window fires;
    // the controller outlives the window (its release stops the driver).
    CBaseThreadWindow(CSonvaleDriver* driver, CSonvaleController* controller);
    // Destroys the window; what is still queued for it is freed.
    ~CBaseThreadWindow();
    CBaseThreadWindow(const CBaseThreadWindow&) = delete;
    CBaseThreadWindow& operator=(const CBaseThreadWindow&) = delete;

    platform::system::WindowHandle Window() const { return m_window; }
    CSonvaleDriver* Driver() const { return m_driver; }
    // The worker's window, once its WM_LINK_WORKER_HWND has arrived.
    platform::system::WindowHandle WorkerWindow() const { return m_workerWindow; }

    // Fires, in order, what the worker posted that is still queued.
    void DeliverQueued();

private:
    std::intptr_t handleMessage(platform::system::Message& message);

    CSonvaleDriver* const m_driver;
    CSonvaleController* const m_controller;
    platform::system::WindowHandle m_window = 0;
    platform::system::WindowHandle m_workerWindow = 0;
};

}  // namespace pelmsonvale
