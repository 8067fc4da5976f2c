#pragma once
// What the client's thread and the measuring worker share about one run:
// the driver to load, the windows, the connect's outcome and the worker's
// binding. Both threads use it, so every field is read and written under the
// record's own critical section.

#include "PelmSonvale/SonvaleTypes.h"
#include "platform/system/CriticalSection.h"
#include "platform/system/MessageWindow.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <utility>

namespace pelmsonvale {

class CVendorDriverWrapper;

class CThreadStartupInformation {
public:
    CThreadStartupInformation(std::string driverPath, platform::system::WindowHandle threadWindow,
                              std::int32_t callerWindow);
    CThreadStartupInformation(const CThreadStartupInformation&) = delete;
    CThreadStartupInformation& operator=(const CThreadStartupInformation&) = delete;

    std::string DriverPath() const;
    // The client's window that receives the worker's results.
    platform::system::WindowHandle ThreadWindow() const;
    // The window given to Start, the owner of anything the driver shows.
    std::int32_t CallerWindow() const;

    // The worker's own window, where a stop request goes. The worker sets it
    // before it reports its start-up, so that a stop never waits for a
    // message still queued for the client.
    platform::system::WindowHandle WorkerWindow() const;
    void SetWorkerWindow(platform::system::WindowHandle window);

    std::int32_t ConnectResult() const;
    void SetConnectResult(std::int32_t result);
    std::int32_t PollValue() const;
    void SetPollValue(std::int32_t value);

    // The worker's binding, null until it has loaded the driver library.
    CVendorDriverWrapper* Binding() const;
    void SetBinding(CVendorDriverWrapper* binding);

private:
    template <typename T>
    T read(const T& field) const
    {
        std::lock_guard guard(m_lock);
        return field;
    }
    template <typename T>
    void write(T& field, T value)
    {
        std::lock_guard guard(m_lock);
        field = std::move(value);
    }

    mutable platform::system::CriticalSection m_lock;
    const std::string m_driverPath;
    const platform::system::WindowHandle m_threadWindow;
    const std::int32_t m_callerWindow;
    platform::system::WindowHandle m_workerWindow = 0;
    std::int32_t m_connectResult = TFuncResult_er_Sonvale;
    std::int32_t m_pollValue = 0;
    CVendorDriverWrapper* m_binding = nullptr;
};

}  // namespace pelmsonvale
