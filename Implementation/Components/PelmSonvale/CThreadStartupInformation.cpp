#include "CThreadStartupInformation.h"

#include <mutex>

namespace pelmsonvale {

using Guard = std::lock_guard<platform::system::CriticalSection>;

CThreadStartupInformation::CThreadStartupInformation(std::string driverPath,
                                                     platform::system::WindowHandle threadWindow,
                                                     std::int32_t callerWindow)
    : m_driverPath(std::move(driverPath)), m_threadWindow(threadWindow), m_callerWindow(callerWindow)
{
}

std::string CThreadStartupInformation::DriverPath() const
{
    Guard guard(m_lock);
    return m_driverPath;
}

platform::system::WindowHandle CThreadStartupInformation::ThreadWindow() const
{
    Guard guard(m_lock);
    return m_threadWindow;
}

std::int32_t CThreadStartupInformation::CallerWindow() const
{
    Guard guard(m_lock);
    return m_callerWindow;
}

platform::system::WindowHandle CThreadStartupInformation::WorkerWindow() const
{
    Guard guard(m_lock);
    return m_workerWindow;
}

void CThreadStartupInformation::SetWorkerWindow(platform::system::WindowHandle window)
{
    Guard guard(m_lock);
    m_workerWindow = window;
}

std::int32_t CThreadStartupInformation::ConnectResult() const
{
    Guard guard(m_lock);
    return m_connectResult;
}

void CThreadStartupInformation::SetConnectResult(std::int32_t result)
{
    Guard guard(m_lock);
    m_connectResult = result;
}

std::int32_t CThreadStartupInformation::PollValue() const
{
    Guard guard(m_lock);
    return m_pollValue;
}

void CThreadStartupInformation::SetPollValue(std::int32_t value)
{
    Guard guard(m_lock);
    m_pollValue = value;
}

CVendorDriverWrapper* CThreadStartupInformation::Binding() const
{
    Guard guard(m_lock);
    return m_binding;
}

void CThreadStartupInformation::SetBinding(CVendorDriverWrapper* binding)
{
    Guard guard(m_lock);
    m_binding = binding;
}

}  // namespace pelmsonvale
