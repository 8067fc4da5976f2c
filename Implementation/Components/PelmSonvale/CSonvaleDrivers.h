#pragma once
// SonvaleDrivers: the controller's list of registered drivers, by index. The
// controller owns it and is its parent (not counted); a list that a client
// holds after its controller went has no parent.

#include "CSonvaleDriver.h"
#include "PelmSonvale/ISonvaleDrivers.h"

#include <map>

namespace pelmsonvale {

// The dispatch table of ISonvaleDrivers.
std::span<const platform::com::DispatchMember<ISonvaleDrivers>> sonvaleDriversMembers();

class CSonvaleDrivers final
    : public platform::com::Object<platform::com::Dispatched<ISonvaleDrivers, sonvaleDriversMembers>> {
public:
    CSonvaleDrivers() = default;
    ~CSonvaleDrivers() override;

    HRESULT get__NewEnum(platform::com::IEnumVARIANT** drivers) override;
    HRESULT get_Item(std::int32_t Index, ISonvaleDriver** driver) override;
    HRESULT get_Count(std::int32_t* count) override;
    HRESULT FindByType(std::string strManufacturerID, ISonvaleDriver** pFoundDriver, bool* found) override;

    CSonvaleController* Parent() const { return m_parent; }
    void SetParent(CSonvaleController* parent) { m_parent = parent; }

    // Adds a driver under its index; the driver's list becomes this one.
    void Add(const platform::com::ComPtr<CSonvaleDriver>& driver);
    // Removes every driver; each loses its list.
    void Clear();
    // The first driver with exactly this ManufacturerID, or null.
    platform::com::ComPtr<CSonvaleDriver> Find(const std::string& manufacturerId) const;
    // The driver of this index, or null.
    platform::com::ComPtr<CSonvaleDriver> At(std::int32_t index) const;

private:
    std::map<std::int32_t, platform::com::ComPtr<CSonvaleDriver>> m_drivers;
    CSonvaleController* m_parent = nullptr;
};

}  // namespace pelmsonvale
