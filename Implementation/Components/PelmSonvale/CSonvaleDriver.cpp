#include "CSonvaleDriver.h"

#include "CSonvaleController.h"
#include "CSonvaleDrivers.h"
#include "CVendorDriverWrapper.h"

namespace pelmsonvale {

namespace {

using platform::com::E_FAIL;
using platform::com::E_NOTIMPL;
using platform::com::E_POINTER;
using platform::com::failed;
using platform::com::S_OK;

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

HRESULT CSonvaleDriver::Start(std::int32_t, TFuncResult* result)
{
    if (!result)
        return E_POINTER;
    *result = TFuncResult_er_Sonvale;
    CSonvaleController* controller = nullptr;
    if (const HRESULT hr = findController(&controller); failed(hr))
        return hr;
    if (controller->IsLinkActive())
        return E_FAIL;
    // Measuring needs the worker that polls the driver, which this server
    // does not have yet: say so rather than pretend to run.
    return E_NOTIMPL;
}

HRESULT CSonvaleDriver::Stop(TFuncResult* result)
{
    if (!result)
        return E_POINTER;
    // Nothing can run without the worker.
    *result = TFuncResult_er_Sonvale;
    return E_FAIL;
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
    // Window handles are unsigned 32-bit numbers carried in a signed long.
    const auto owner = static_cast<marlet::WindowHandle>(static_cast<std::uint32_t>(hWnd));
    *result = static_cast<TFuncResult>(RunDriverSetup(m_registration.DriverPath, owner));
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
