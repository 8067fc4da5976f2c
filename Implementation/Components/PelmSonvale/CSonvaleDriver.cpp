#include "CSonvaleDriver.h"

#include "AbandonedRun.h"
#include "CBaseThreadWindow.h"
#include "CSonvaleController.h"
#include "CSonvaleDrivers.h"
#include "CThreadStartupInformation.h"
#include "CVendorDriverWrapper.h"
#include "DriverWorkerThread.h"
#include "LinkEvents.h"
#include "LinkMessages.h"
#include "platform/system/Thread.h"

#include <chrono>
#include <optional>

namespace pelmsonvale {

namespace {

using platform::com::E_FAIL;
using platform::com::E_POINTER;
using platform::com::failed;
using platform::com::S_OK;

using Clock = std::chrono::steady_clock;

// How long a stop waits for the driver's read to end before it leaves the
// run behind (AbandonedRun.h), so that it returns within a second whatever
// the line does.
constexpr std::chrono::milliseconds kReadWait{600};

// What runs in this process; one driver at a time, and none while a run that
// a stop left behind goes on.
struct ProcessLink {
    LinkEvents events;
    std::unique_ptr<CBaseThreadWindow> threadWindow;
    std::unique_ptr<AbandonedRun> abandoned;

    // Whether a run left behind still goes on; one that has ended is let go.
    bool abandonedRunGoesOn()
    {
        if (abandoned && abandoned->HasEnded())
            abandoned.reset();
        return abandoned != nullptr;
    }
};

ProcessLink& processLink()
{
    // Never destroyed: a run left behind may go on until the process ends.
    static auto* const link = new ProcessLink;
    return *link;
}

// Window handles are unsigned 32-bit numbers carried in a signed long.
marlet::WindowHandle ownerWindow(std::int32_t hWnd)
{
    return static_cast<marlet::WindowHandle>(static_cast<std::uint32_t>(hWnd));
}

// The connect that the worker asks for, on the client's thread: the
// second-generation call, else the first.
void connectDriver(CThreadStartupInformation& record)
{
    CVendorDriverWrapper& binding = *record.Binding();
    std::int16_t pollValue = 0;
    std::int32_t result = binding.ReqAudiCon2(&pollValue, ownerWindow(record.CallerWindow()));
    if (result == TFuncResult_er_Sonvale)
        result = binding.ReqAudiCon(&pollValue);
    record.SetPollValue(pollValue);
    record.SetConnectResult(result);
}

// Answers the worker's requests of one kind until it reports `until`; false
// when the worker has neither asked nor ended by the deadline (none: no
// limit). Once a request is answered the worker's last steps need no line,
// and they are waited for.
bool serveWorker(platform::system::Event& until, platform::system::Event& request, platform::system::Event& done,
                 CThreadStartupInformation& record, void (*answer)(CThreadStartupInformation&),
                 std::optional<Clock::time_point> deadline = std::nullopt)
{
    while (true) {
        const std::chrono::milliseconds timeout =
            deadline ? std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now())
                     : platform::system::kWaitForever;
        const std::optional<std::size_t> reported = platform::system::Event::waitAny({&until, &request}, timeout);
        if (!reported)
            return false;
        if (*reported == 0)
            return true;
        answer(record);
        done.set();
        deadline.reset();
    }
}

HRESULT copyText(const std::string& text, std::string* out)
{
    if (!out)
        return E_POINTER;
    *out = text;
    return S_OK;
}

using M = platform::com::DispatchMember<ISonvaleDriver>;
constexpr M kSonvaleDriverMembers[] = {
    M::property<&ISonvaleDriver::get_Index>("Index", 0),
    M::method<&ISonvaleDriver::Start>("Start", 1),
    M::method<&ISonvaleDriver::Stop>("Stop", 2),
    M::property<&ISonvaleDriver::get_ActiveDriver>("ActiveDriver", 3),
    M::method<&ISonvaleDriver::SetupAudi>("SetupAudi", 4),
    M::property<&ISonvaleDriver::get_Name>("Name", 5),
    M::property<&ISonvaleDriver::get_Manufacturer>("Manufacturer", 6),
    M::method<&ISonvaleDriver::Refresh>("Refresh", 7),
    M::property<&ISonvaleDriver::get_ManufacturerID>("ManufacturerID", 8),
};

}  // namespace

std::span<const platform::com::DispatchMember<ISonvaleDriver>> sonvaleDriverMembers()
{
    return kSonvaleDriverMembers;
}

CSonvaleDriver::CSonvaleDriver() = default;

// A driver runs only while a controller holds it as its active driver, and
// the controller stops it before it lets go of it.
CSonvaleDriver::~CSonvaleDriver() = default;

HRESULT CSonvaleDriver::findController(CSonvaleController** controller) const
{
    *controller = m_collection ? m_collection->Parent() : nullptr;
    return *controller ? S_OK : E_FAIL;
}

HRESULT CSonvaleDriver::get_Index(std::int32_t* index)
{
    if (!index)
        return E_POINTER;
    *index = m_index;
    return S_OK;
}

HRESULT CSonvaleDriver::Start(std::int32_t hWnd, TFuncResult* result)
{
    if (!result)
        return E_POINTER;
    *result = TFuncResult_er_Sonvale;
    CSonvaleController* controller = nullptr;
    if (failed(findController(&controller)) || controller->IsLinkActive())
        return E_FAIL;
    ProcessLink& link = processLink();
    if (link.abandonedRunGoesOn()) {
        // The driver left behind is still connected.
        *result = TFuncResult_er_StillConnected;
        return S_OK;
    }
    if (!link.events.startupSync)
        link.events = openLinkEvents();
    if (link.threadWindow)
        return E_FAIL;  // a driver of another controller runs

    link.threadWindow = std::make_unique<CBaseThreadWindow>(controller);
    m_startup = std::make_unique<CThreadStartupInformation>(m_registration.DriverPath,
                                                            link.threadWindow->Window(), hWnd);
    m_worker = std::make_unique<platform::system::Thread>();
    CThreadStartupInformation* const record = m_startup.get();
    if (!m_worker->start([record] { return DriverWorkerThread(*record); },
                         platform::system::ThreadPriority::BelowNormal)) {
        m_worker.reset();
        m_startup.reset();
        link.threadWindow.reset();
        return E_FAIL;
    }
    serveWorker(*link.events.startupSync, *link.events.doConnect, *link.events.done, *record, connectDriver);

    const std::int32_t connectResult = record->ConnectResult();
    if (connectResult == TFuncResult_fr_OK) {
        m_active = true;
        controller->LinkStarted(this);
        *result = TFuncResult_fr_OK;
        return S_OK;
    }
    TFuncResult stopResult = TFuncResult_er_Sonvale;
    endRun(false, &stopResult);
    *result = static_cast<TFuncResult>(connectResult);
    return S_OK;
}

HRESULT CSonvaleDriver::Stop(TFuncResult* result)
{
    if (!result)
        return E_POINTER;
    // Whatever the caller passes, a polling worker is asked to stop: without
    // the request the wait below would never end.
    return endRun(true, result);
}

HRESULT CSonvaleDriver::endRun(bool requestStop, TFuncResult* result)
{
    *result = TFuncResult_er_Sonvale;
    ProcessLink& link = processLink();
    // Not while this driver's own stop runs (an event handler of the results
    // delivered at its end may ask again).
    if (!m_startup || m_stopping || !link.threadWindow)
        return E_FAIL;
    if (requestStop && !platform::system::postMessage(m_startup->WorkerWindow(), WM_LINK_STOP))
        return E_FAIL;
    m_stopping = true;
    const bool ended = serveWorker(*link.events.stopSync, *link.events.doRelease, *link.events.done, *m_startup,
                                   ReleaseDriver, Clock::now() + kReadWait);
    if (ended)
        m_worker->join();
    // What the worker posted before it ended, or before it was left behind,
    // is shown before the run closes; nothing it posts later is.
    link.threadWindow->DeliverQueued();
    link.threadWindow.reset();
    if (ended) {
        m_worker.reset();
        m_startup.reset();
    } else {
        link.abandoned = std::make_unique<AbandonedRun>(std::move(m_worker), std::move(m_startup), link.events);
    }
    m_active = false;
    m_stopping = false;
    link.events.startupSync.reset();
    link.events.stopSync.reset();

    CSonvaleController* controller = nullptr;
    if (const HRESULT hr = findController(&controller); failed(hr))
        return hr;
    controller->LinkStopped();
    controller->FireEvent(ShutdownComplete, {});
    *result = TFuncResult_fr_OK;
    return S_OK;
}

HRESULT CSonvaleDriver::get_ActiveDriver(bool* active)
{
    if (!active)
        return E_POINTER;
    *active = m_active;
    return S_OK;
}

HRESULT CSonvaleDriver::SetupAudi(std::int32_t hWnd, TFuncResult* result)
{
    if (!result)
        return E_POINTER;
    *result = TFuncResult_er_Sonvale;
    CSonvaleController* controller = nullptr;
    if (const HRESULT hr = findController(&controller); failed(hr))
        return hr;
    if (controller->IsLinkActive() || m_registration.DriverPath.empty())
        return E_FAIL;
    if (processLink().abandonedRunGoesOn()) {
        // The driver left behind is still connected, and its set-up would
        // run beside its read.
        *result = TFuncResult_er_StillConnected;
        return S_OK;
    }
    *result = static_cast<TFuncResult>(RunDriverSetup(m_registration.DriverPath, ownerWindow(hWnd)));
    return S_OK;
}

HRESULT CSonvaleDriver::get_Name(std::string* name)
{
    return copyText(m_registration.DriverName, name);
}

HRESULT CSonvaleDriver::get_Manufacturer(std::string* manufacturer)
{
    return copyText(m_registration.Manufacturer, manufacturer);
}

HRESULT CSonvaleDriver::Refresh()
{
    CSonvaleController* controller = nullptr;
    if (const HRESULT hr = findController(&controller); failed(hr))
        return hr;
    if (controller->IsLinkActive())
        return E_FAIL;
    return readDriverRegistration(m_registration.ManufacturerID, m_registration);
}

HRESULT CSonvaleDriver::get_ManufacturerID(std::string* manufacturerId)
{
    return copyText(m_registration.ManufacturerID, manufacturerId);
}

}  // namespace pelmsonvale
