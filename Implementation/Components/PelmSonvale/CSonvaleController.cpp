#include "CSonvaleController.h"

#include "DriverInstallation.h"
#include "LinkMessages.h"
#include "PublishedWindow.h"

#include <array>
#include <new>
#include <utility>
#include <vector>

namespace pelmsonvale {

namespace {

using platform::com::ComPtr;
using platform::com::E_FAIL;
using platform::com::E_OUTOFMEMORY;
using platform::com::E_POINTER;
using platform::com::failed;
using platform::com::make;
using platform::com::S_OK;
using platform::runtime::Variant;

using M = platform::com::DispatchMember<ISonvaleController>;
constexpr M kSonvaleControllerMembers[] = {
    M::method<&ISonvaleController::Start>("Start", 1),
    M::method<&ISonvaleController::Stop>("Stop", 2),
    M::method<&ISonvaleController::LoadInstalledDrivers>("LoadInstalledDrivers", 3),
    M::method<&ISonvaleController::SetupAudi>("SetupAudi", 4),
    M::property<&ISonvaleController::get_RegisteredDrivers>("RegisteredDrivers", 5),
    M::property<&ISonvaleController::get_ActiveDriver>("ActiveDriver", 6),
    M::property<&ISonvaleController::get_IsSonvaleActive>("IsSonvaleActive", 7),
    M::method<&ISonvaleController::InstallDriver>("InstallDriver", 8),
    M::method<&ISonvaleController::IsDriverInstalled>("IsDriverInstalled", 9),
};

}  // namespace

std::span<const platform::com::DispatchMember<ISonvaleController>> sonvaleControllerMembers()
{
    return kSonvaleControllerMembers;
}

CSonvaleController::CSonvaleController()
{
    addConnectionPoint(kSonvaleControllerEventsIid);
}

CSonvaleController::~CSonvaleController()
{
    if (m_window) {
        withdrawControllerWindow(m_window);
        platform::system::destroyMessageWindow(m_window);
    }
    m_signalThread.stop();
    if (m_drivers)
        m_drivers->SetParent(nullptr);
}

std::uint32_t CSonvaleController::Release()
{
    // Calls come on the controller's own thread only, so the count seen here
    // stays until the stop. Stopping fires events, which take references of
    // their own: it must not run inside the destructor.
    if (m_activeDriver) {
        const bool last = AddRef() == 2;
        Object::Release();
        if (last) {
            TFuncResult result = TFuncResult_fr_OK;
            Stop(&result);
        }
    }
    return Object::Release();
}

HRESULT CSonvaleController::finalConstruct()
{
    m_window = platform::system::createMessageWindow(
        [this](platform::system::Message& message) { return handleMessage(message); });
    publishControllerWindow(m_window);
    if (!m_signalThread.start(m_window))
        return E_FAIL;
    try {
        m_drivers = make<CSonvaleDrivers>();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    m_drivers->SetParent(this);
    return LoadInstalledDrivers();
}

HRESULT CSonvaleController::Start(std::int32_t Index, std::int32_t hWnd, TFuncResult* result)
{
    if (!result)
        return E_POINTER;
    ComPtr<ISonvaleDriver> driver;
    if (const HRESULT hr = idleDriver(Index, driver); failed(hr))
        return hr;
    return driver->Start(hWnd, result);
}

HRESULT CSonvaleController::Stop(TFuncResult* result)
{
    if (!result)
        return E_POINTER;
    *result = TFuncResult_fr_OK;
    if (!m_activeDriver)
        return E_FAIL;
    // Holding 1 on entry asks the worker to stop.
    const ComPtr<CSonvaleDriver> driver = std::move(m_activeDriver);
    return driver->Stop(result);
}

HRESULT CSonvaleController::LoadInstalledDrivers()
{
    if (!m_drivers || m_activeDriver)
        return E_FAIL;
    m_drivers->Clear();
    std::vector<std::string> names;
    if (const HRESULT hr = enumerateDriverKeys(names); failed(hr))
        return hr;
    std::int32_t index = 0;
    try {
        for (const std::string& name : names) {
            DriverRegistration registration;
            // A damaged entry is left out, so that one broken installation
            // does not keep the link, and the module with it, from starting.
            if (failed(readDriverRegistration(name, registration)))
                continue;
            const ComPtr<CSonvaleDriver> driver = make<CSonvaleDriver>();
            driver->SetIndex(index++);
            driver->SetRegistration(std::move(registration));
            m_drivers->Add(driver);
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT CSonvaleController::SetupAudi(std::int32_t Index, std::int32_t hWnd, TFuncResult* result)
{
    if (!result)
        return E_POINTER;
    ComPtr<ISonvaleDriver> driver;
    if (const HRESULT hr = idleDriver(Index, driver); failed(hr))
        return hr;
    return driver->SetupAudi(hWnd, result);
}

HRESULT CSonvaleController::get_RegisteredDrivers(ISonvaleDrivers** drivers)
{
    if (!drivers)
        return E_POINTER;
    *drivers = ComPtr<ISonvaleDrivers>(m_drivers).detach();
    return m_drivers ? S_OK : E_FAIL;
}

HRESULT CSonvaleController::get_ActiveDriver(ISonvaleDriver** driver)
{
    if (!driver)
        return E_POINTER;
    *driver = ComPtr<ISonvaleDriver>(m_activeDriver).detach();
    return S_OK;
}

HRESULT CSonvaleController::get_IsSonvaleActive(bool* active)
{
    if (!active)
        return E_POINTER;
    *active = m_linkActive;
    return S_OK;
}

HRESULT CSonvaleController::InstallDriver(std::string strDriverINIPath, TAudiInstallReturn* result)
{
    if (!result)
        return E_POINTER;
    *result = installDriver(strDriverINIPath);
    return S_OK;
}

HRESULT CSonvaleController::IsDriverInstalled(std::string strINIToExtractManufCode, std::string* strModuleName,
                                              bool* pvbErrorInINIInfo, bool* installed)
{
    if (!strModuleName || !pvbErrorInINIInfo || !installed)
        return E_POINTER;
    const DriverInstalledAnswer answer = isDriverInstalled(strINIToExtractManufCode);
    if (answer.moduleName)
        *strModuleName = *answer.moduleName;
    *pvbErrorInINIInfo = answer.errorInIni;
    *installed = answer.installed;
    return S_OK;
}

void CSonvaleController::RefreshInstalledDrivers()
{
    if (!m_drivers || m_activeDriver)
        return;
    std::vector<std::string> names;
    if (failed(enumerateDriverKeys(names)))
        return;
    std::erase_if(names, [this](const std::string& name) { return static_cast<bool>(m_drivers->Find(name)); });
    if (failed(LoadInstalledDrivers()))
        return;
    // A new key that could not be read did not join the list: it is announced
    // once it can be.
    for (std::string& name : names) {
        if (!m_drivers->Find(name))
            continue;
        std::array<Variant, 1> arguments{Variant(std::move(name))};
        FireEvent(SetupDone, arguments);
    }
}

HRESULT CSonvaleController::idleDriver(std::int32_t Index, ComPtr<ISonvaleDriver>& driver) const
{
    if (!m_drivers || m_activeDriver)
        return E_FAIL;
    return m_drivers->get_Item(Index, driver.put());
}

std::intptr_t CSonvaleController::handleMessage(platform::system::Message& message)
{
    // A handler of the event may let go of this controller: it stays alive
    // until the message is handled.
    const ComPtr<ISonvaleController> self(this);
    // A report that comes after its run has ended would stop the wrong run.
    if (message.id == WM_LINK_MEASUREMENTCOMPLETE && std::exchange(m_completePending, false))
        FireEvent(MeasurementComplete, {});
    else if (message.id == WM_LINK_REFRESHDRIVERS)
        RefreshInstalledDrivers();
    return 0;
}

void CSonvaleController::LinkStarted(CSonvaleDriver* driver)
{
    m_activeDriver = ComPtr<CSonvaleDriver>(driver);
    m_linkActive = true;
    m_completePending = false;
}

void CSonvaleController::LinkStopped()
{
    m_activeDriver.reset();
    m_linkActive = false;
    m_completePending = false;
}

void CSonvaleController::FireEvent(SonvaleControllerEvent event, std::span<Variant> arguments)
{
    fire(kSonvaleControllerEventsIid, event, arguments);
}

bool CSonvaleController::TriggerSignalThread()
{
    m_completePending = m_signalThread.trigger();
    return m_completePending;
}

}  // namespace pelmsonvale
