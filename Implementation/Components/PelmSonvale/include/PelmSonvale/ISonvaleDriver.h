#pragma once
// ISonvaleDriver: one driver of the controller's list of registered drivers.
// A driver held by a client outlives its removal from the list (when the list
// is read again) but then fails every call that needs its controller.

#include "PelmSonvale/SonvaleTypes.h"
#include "platform/com/Dispatch.h"

#include <cstdint>
#include <string>

namespace pelmsonvale {

using platform::com::HRESULT;
using platform::com::IID;
using platform::com::makeGuid;

// A dual interface; the DISPIDs are in the comments.
class ISonvaleDriver : public platform::com::IDispatch {
public:
    static constexpr IID iid = makeGuid("{5462BEE3-7987-4909-A708-06E6B6EBE661}");
    using Base = platform::com::IDispatch;

    // Index 0: the driver's position in the list when it was last read.
    virtual HRESULT get_Index(std::int32_t* index) = 0;
    // Start 1: connects the driver, with hWnd as the owner of any window it
    // shows, and starts measuring; the driver's connect result.
    virtual HRESULT Start(std::int32_t hWnd, TFuncResult* result) = 0;
    // Stop 2: stops the running measurement and releases the driver.
    virtual HRESULT Stop(TFuncResult* result) = 0;
    // ActiveDriver 3: whether this driver runs.
    virtual HRESULT get_ActiveDriver(bool* active) = 0;
    // SetupAudi 4: shows the driver's set-up, owned by hWnd; the driver's result.
    virtual HRESULT SetupAudi(std::int32_t hWnd, TFuncResult* result) = 0;
    // Name 5: the driver's display name.
    virtual HRESULT get_Name(std::string* name) = 0;
    // Manufacturer 6: the maker's display name.
    virtual HRESULT get_Manufacturer(std::string* manufacturer) = 0;
    // Refresh 7: reads the driver's registration again.
    virtual HRESULT Refresh() = 0;
    // ManufacturerID 8: the driver's key name in the registry.
    virtual HRESULT get_ManufacturerID(std::string* manufacturerId) = 0;

protected:
    ~ISonvaleDriver() = default;
};

}  // namespace pelmsonvale
