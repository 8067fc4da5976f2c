#pragma once
// The thread window: a hidden window on the client's thread that receives the
// measuring worker's results as posted messages and fires them as the
// controller's events, so that every event reaches the client on its own
// thread. One exists while a driver runs in this process.

#include "platform/system/MessageWindow.h"

namespace pelmsonvale {

class CSonvaleController;

class CBaseThreadWindow {
public:
    // The controller whose events the window fires; it outlives the window
    // (its release stops the driver).
    explicit CBaseThreadWindow(CSonvaleController* controller);
    // Destroys the window; what is still queued for it is freed.
    ~CBaseThreadWindow();
    CBaseThreadWindow(const CBaseThreadWindow&) = delete;
    CBaseThreadWindow& operator=(const CBaseThreadWindow&) = delete;

    platform::system::WindowHandle Window() const { return m_window; }

    // Fires, in order, what the worker posted that is still queued.
    void DeliverQueued();

private:
    std::intptr_t handleMessage(platform::system::Message& message);

    CSonvaleController* const m_controller;
    platform::system::WindowHandle m_window = 0;
};

}  // namespace pelmsonvale
