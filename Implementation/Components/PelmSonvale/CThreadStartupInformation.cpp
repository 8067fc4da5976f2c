#include "CThreadStartupInformation.h"

namespace pelmsonvale {

CThreadStartupInformation::CThreadStartupInformation(std::string driverPath,
                                                     platform::system::WindowHandle threadWindow,
                                                     std::int32_t callerWindow)
    : m_driverPath(std::move(driverPath)), m_threadWindow(threadWindow), m_callerWindow(callerWindow)
{
}

std::string CThreadStartupInformation::DriverPath() const { return read(m_driverPath); }
platform::system::WindowHandle CThreadStartupInformation::ThreadWindow() const { return read(m_threadWindow); }
std::int32_t CThreadStartupInformation::CallerWindow() const { return read(m_callerWindow); }

platform::system::WindowHandle CThreadStartupInformation::WorkerWindow() const { return read(m_workerWindow); }
void CThreadStartupInformation::SetWorkerWindow(platform::system::WindowHandle window) { write(m_workerWindow, window); }

std::int32_t CThreadStartupInformation::ConnectResult() const { return read(m_connectResult); }
void CThreadStartupInformation::SetConnectResult(std::int32_t result) { write(m_connectResult, result); }

std::int32_t CThreadStartupInformation::PollValue() const { return read(m_pollValue); }
void CThreadStartupInformation::SetPollValue(std::int32_t value) { write(m_pollValue, value); }

CVendorDriverWrapper* CThreadStartupInformation::Binding() const { return read(m_binding); }
void CThreadStartupInformation::SetBinding(CVendorDriverWrapper* binding) { write(m_binding, binding); }

}  // namespace pelmsonvale
