#pragma once
// ISonvaleController: the instrument link. A client creates one controller
// (by class id) per document, on its user-interface thread, and calls it only
// from that thread; the controller's events (_ISonvaleControllerEvents) come
// on that thread too.
//
// Creating a controller reads the list of registered drivers. At most one
// driver runs at a time; while it runs, Start, SetupAudi and
// LoadInstalledDrivers are refused (E_FAIL).

#include "PelmSonvale/ISonvaleDrivers.h"

namespace pelmsonvale {

// A dual interface; the DISPIDs are in the comments.
class ISonvaleController : public platform::com::IDispatch {
public:
    static constexpr IID iid = makeGuid("{D68E8542-925A-442E-B28E-F5DC6CC6132B}");
    using Base = platform::com::IDispatch;

    // Start 1: starts the driver of this index (see ISonvaleDriver::Start).
    virtual HRESULT Start(std::int32_t Index, std::int32_t hWnd, TFuncResult* result) = 0;
    // Stop 2: stops the running driver; E_FAIL when none runs.
    virtual HRESULT Stop(TFuncResult* result) = 0;
    // LoadInstalledDrivers 3: reads the list of registered drivers again.
    virtual HRESULT LoadInstalledDrivers() = 0;
    // SetupAudi 4: the set-up of the driver of this index (see ISonvaleDriver::SetupAudi).
    virtual HRESULT SetupAudi(std::int32_t Index, std::int32_t hWnd, TFuncResult* result) = 0;
    // RegisteredDrivers 5: the list.
    virtual HRESULT get_RegisteredDrivers(ISonvaleDrivers** drivers) = 0;
    // ActiveDriver 6: the running driver, or none.
    virtual HRESULT get_ActiveDriver(ISonvaleDriver** driver) = 0;
    // IsSonvaleActive 7: whether a driver runs.
    virtual HRESULT get_IsSonvaleActive(bool* active) = 0;
    // InstallDriver 8: checks a driver's "install.ini" (the file, or its
    // folder ending in "/") and starts the installer it names. Always S_OK;
    // the outcome is the result.
    virtual HRESULT InstallDriver(std::string strDriverINIPath, TAudiInstallReturn* result) = 0;
    // IsDriverInstalled 9: whether the driver that an "install.ini" describes
    // is registered. Always S_OK. When the file or its values are not usable,
    // the error flag is true and the module name is left as it was;
    // otherwise the module name is the file's "ModuleName".
    virtual HRESULT IsDriverInstalled(std::string strINIToExtractManufCode, std::string* strModuleName,
                                      bool* pvbErrorInINIInfo, bool* installed) = 0;

protected:
    ~ISonvaleController() = default;
};

}  // namespace pelmsonvale
