#pragma once
// SonvaleController: the instrument link. On creation it makes its hidden
// window, publishes the window's handle, starts its signal thread and reads
// the list of registered drivers; when its last reference goes it stops a
// running driver, withdraws the handle, destroys the window, ends the signal
// thread and lets go of the list. A creation that fails part-way undoes what
// it did in the same way.
//
// Everything runs on the thread that created the controller: the calls, the
// window's messages and the events.

#include "CSonvaleDrivers.h"
#include "PelmSonvale/ISonvaleController.h"
#include "PelmSonvale/ISonvaleControllerEvents.h"
#include "SignalThread.h"
#include "platform/com/ConnectionPoint.h"

#include <span>

namespace pelmsonvale {

// The dispatch table of ISonvaleController.
std::span<const platform::com::DispatchMember<ISonvaleController>> sonvaleControllerMembers();

class CSonvaleController final
    : public platform::com::Object<platform::com::Dispatched<ISonvaleController, sonvaleControllerMembers>,
                                   platform::com::ConnectionPoints> {
public:
    CSonvaleController();
    ~CSonvaleController() override;

    // Creation's second step, whose failure fails the creation.
    HRESULT finalConstruct();

    HRESULT Start(std::int32_t Index, std::int32_t hWnd, TFuncResult* result) override;
    HRESULT Stop(TFuncResult* result) override;
    HRESULT LoadInstalledDrivers() override;
    HRESULT SetupAudi(std::int32_t Index, std::int32_t hWnd, TFuncResult* result) override;
    HRESULT get_RegisteredDrivers(ISonvaleDrivers** drivers) override;
    HRESULT get_ActiveDriver(ISonvaleDriver** driver) override;
    HRESULT get_IsSonvaleActive(bool* active) override;
    HRESULT InstallDriver(std::string strDriverINIPath, TAudiInstallReturn* result) override;
    HRESULT IsDriverInstalled(std::string strINIToExtractManufCode, std::string* strModuleName,
                              bool* pvbErrorInINIInfo, bool* installed) override;

    // The last release stops a running driver first, while the controller is
    // still whole, so that the driver's last events reach the sinks.
    std::uint32_t Release() override;

    // True while a driver runs.
    bool IsLinkActive() const { return m_linkActive; }

    // A driver's run begins and ends.
    void LinkStarted(CSonvaleDriver* driver);
    void LinkStopped();

    // Fires an event on every connected sink.
    void FireEvent(SonvaleControllerEvent event, std::span<platform::runtime::Variant> arguments);

    // The running driver reports that its measurement is complete: the
    // signal thread passes it on to this controller's window, which fires
    // MeasurementComplete unless the run has ended meanwhile. False when the
    // signal thread was not ready (the report is lost).
    bool TriggerSignalThread();

    // Reads the list again after a driver's installer announced a change, and
    // fires SetupDone for each driver that joined it. Nothing while a driver runs.
    void RefreshInstalledDrivers();

    // The hidden window, to which installers post WM_LINK_REFRESHDRIVERS.
    platform::system::WindowHandle Window() const { return m_window; }

private:
    // The driver of this index, for a call that needs the link idle: E_FAIL
    // while a driver runs, E_INVALIDARG for an index not in the list.
    HRESULT idleDriver(std::int32_t Index, platform::com::ComPtr<ISonvaleDriver>& driver) const;
    std::intptr_t handleMessage(platform::system::Message& message);

    platform::system::WindowHandle m_window = 0;
    SignalThread m_signalThread;
    platform::com::ComPtr<CSonvaleDrivers> m_drivers;
    platform::com::ComPtr<CSonvaleDriver> m_activeDriver;
    bool m_linkActive = false;
    // A measurement-complete report of the running driver is on its way.
    bool m_completePending = false;
};

}  // namespace pelmsonvale
