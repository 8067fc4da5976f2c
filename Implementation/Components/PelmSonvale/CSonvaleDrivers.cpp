#include "CSonvaleDrivers.h"

#include <vector>

namespace pelmsonvale {

namespace {

using platform::com::ComPtr;
using platform::com::E_INVALIDARG;
using platform::com::E_POINTER;
using platform::com::S_OK;
using platform::runtime::Variant;

using M = platform::com::DispatchMember<ISonvaleDrivers>;
constexpr M kSonvaleDriversMembers[] = {
    M::property<&ISonvaleDrivers::get__NewEnum>("_NewEnum", platform::com::DISPID_NEWENUM),
    M::property<&ISonvaleDrivers::get_Item>("Item", 0),
    M::property<&ISonvaleDrivers::get_Count>("Count", 1),
    M::method<&ISonvaleDrivers::FindByType>("FindByType", 2),
};

}  // namespace

std::span<const platform::com::DispatchMember<ISonvaleDrivers>> sonvaleDriversMembers()
{
    return kSonvaleDriversMembers;
}

CSonvaleDrivers::~CSonvaleDrivers()
{
    Clear();
}

HRESULT CSonvaleDrivers::get__NewEnum(platform::com::IEnumVARIANT** drivers)
{
    if (!drivers)
        return E_POINTER;
    std::vector<Variant> items;
    for (const auto& [index, driver] : m_drivers)
        items.emplace_back(ComPtr<ISonvaleDriver>(driver));
    *drivers = platform::com::createVariantEnumerator(std::move(items)).detach();
    return S_OK;
}

HRESULT CSonvaleDrivers::get_Item(std::int32_t Index, ISonvaleDriver** driver)
{
    if (!driver)
        return E_POINTER;
    *driver = nullptr;
    const ComPtr<CSonvaleDriver> found = At(Index);
    if (!found)
        return E_INVALIDARG;
    *driver = ComPtr<ISonvaleDriver>(found).detach();
    return S_OK;
}

HRESULT CSonvaleDrivers::get_Count(std::int32_t* count)
{
    if (!count)
        return E_POINTER;
    *count = static_cast<std::int32_t>(m_drivers.size());
    return S_OK;
}

HRESULT CSonvaleDrivers::FindByType(std::string strManufacturerID, ISonvaleDriver** pFoundDriver, bool* found)
{
    if (!pFoundDriver || !found)
        return E_POINTER;
    const ComPtr<CSonvaleDriver> driver = Find(strManufacturerID);
    *pFoundDriver = ComPtr<ISonvaleDriver>(driver).detach();
    *found = static_cast<bool>(driver);
    return S_OK;
}

void CSonvaleDrivers::Add(const ComPtr<CSonvaleDriver>& driver)
{
    driver->SetCollection(this);
    m_drivers[driver->Index()] = driver;
}

void CSonvaleDrivers::Clear()
{
    for (const auto& [index, driver] : m_drivers)
        driver->SetCollection(nullptr);
    m_drivers.clear();
}

ComPtr<CSonvaleDriver> CSonvaleDrivers::Find(const std::string& manufacturerId) const
{
    for (const auto& [index, driver] : m_drivers)
        if (driver->ManufacturerID() == manufacturerId)
            return driver;
    return nullptr;
}

ComPtr<CSonvaleDriver> CSonvaleDrivers::At(std::int32_t index) const
{
    const auto found = m_drivers.find(index);
    return found != m_drivers.end() ? found->second : nullptr;
}

}  // namespace pelmsonvale
