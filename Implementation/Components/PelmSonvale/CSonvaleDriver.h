#pragma once
// SonvaleDriver: one registered driver in the controller's list. It knows its
// list (not counted, so that the list and its drivers do not keep each other
// alive), and through it its controller; a driver that has left its list, or
// whose list has left its controller, fails every call that needs them.

#include "DriverRegistration.h"
#include "PelmSonvale/ISonvaleDriver.h"
#include "platform/com/DispatchTable.h"
#include "platform/com/Object.h"

#include <memory>

namespace platform::system {
class Thread;
}

namespace pelmsonvale {

// The dispatch table of ISonvaleDriver.
std::span<const platform::com::DispatchMember<ISonvaleDriver>> sonvaleDriverMembers();

class CSonvaleController;
class CSonvaleDrivers;
class CThreadStartupInformation;

class CSonvaleDriver final : public platform::com::Object<platform::com::Dispatched<ISonvaleDriver, sonvaleDriverMembers>> {
public:
    CSonvaleDriver();
    ~CSonvaleDriver() override;

    HRESULT get_Index(std::int32_t* index) override;
    HRESULT Start(std::int32_t hWnd, TFuncResult* result) override;
    HRESULT Stop(TFuncResult* result) override;
    HRESULT get_ActiveDriver(bool* active) override;
    HRESULT SetupAudi(std::int32_t hWnd, TFuncResult* result) override;
    HRESULT get_Name(std::string* name) override;
    HRESULT get_Manufacturer(std::string* manufacturer) override;
    HRESULT Refresh() override;
    HRESULT get_ManufacturerID(std::string* manufacturerId) override;

    // Set by the list that holds the driver.
    void SetIndex(std::int32_t index) { m_index = index; }
    void SetRegistration(DriverRegistration registration) { m_registration = std::move(registration); }
    void SetCollection(CSonvaleDrivers* collection) { m_collection = collection; }

    std::int32_t Index() const { return m_index; }
    const std::string& ManufacturerID() const { return m_registration.ManufacturerID; }

private:
    // The controller through the list; E_FAIL when the driver has lost either.
    HRESULT findController(CSonvaleController** controller) const;
    // Ends this driver's run: asks a polling worker to stop when
    // `requestStop` (not after a failed connect, where the worker has stopped
    // already), answers its release request, waits for it to end, fires what
    // it posted that is still queued, and then ShutdownComplete. A worker
    // whose read does not end within a moment is left behind to end on its
    // own (AbandonedRun.h); the stop completes all the same.
    HRESULT endRun(bool requestStop, TFuncResult* result);

    std::int32_t m_index = 0;
    DriverRegistration m_registration;
    CSonvaleDrivers* m_collection = nullptr;
    bool m_active = false;
    // The run: its worker and the record that the worker shares.
    std::unique_ptr<platform::system::Thread> m_worker;
    std::unique_ptr<CThreadStartupInformation> m_startup;
    bool m_stopping = false;
};

}  // namespace pelmsonvale
