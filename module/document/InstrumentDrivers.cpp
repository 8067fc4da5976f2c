#include "module/document/InstrumentDrivers.h"

#include "platform/com/Failure.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/runtime/Variant.h"

namespace brisance {

namespace {

using platform::com::raiseOnFailure;

constexpr const char* kSource = "SonvaleController";

platform::com::ComPtr<pelmsonvale::ISonvaleDrivers> DriverList(pelmsonvale::ISonvaleController& controller)
{
    platform::com::ComPtr<pelmsonvale::ISonvaleDrivers> drivers;
    raiseOnFailure(controller.get_RegisteredDrivers(drivers.put()), kSource);
    return drivers;
}

}  // namespace

std::vector<SonvaleDriverPtr> RegisteredDrivers(pelmsonvale::ISonvaleController& controller)
{
    platform::com::ComPtr<platform::com::IEnumVARIANT> items;
    raiseOnFailure(DriverList(controller)->get__NewEnum(items.put()), kSource);
    std::vector<SonvaleDriverPtr> drivers;
    platform::runtime::Variant item;
    while (items->Next(1, &item, nullptr) == platform::com::S_OK)
        if (SonvaleDriverPtr driver = item.toObject().as<pelmsonvale::ISonvaleDriver>())
            drivers.push_back(std::move(driver));
    return drivers;
}

SonvaleDriverPtr RegisteredDriver(pelmsonvale::ISonvaleController& controller, std::int32_t index)
{
    SonvaleDriverPtr driver;
    raiseOnFailure(DriverList(controller)->get_Item(index, driver.put()), kSource);
    return driver;
}

std::int32_t DriverIndex(pelmsonvale::ISonvaleDriver& driver)
{
    std::int32_t index = 0;
    raiseOnFailure(driver.get_Index(&index), kSource);
    return index;
}

std::string DriverName(pelmsonvale::ISonvaleDriver& driver)
{
    std::string name;
    raiseOnFailure(driver.get_Name(&name), kSource);
    return name;
}

std::string DriverManufacturer(pelmsonvale::ISonvaleDriver& driver)
{
    std::string manufacturer;
    raiseOnFailure(driver.get_Manufacturer(&manufacturer), kSource);
    return manufacturer;
}

bool IsDriverActive(pelmsonvale::ISonvaleDriver& driver)
{
    bool active = false;
    raiseOnFailure(driver.get_ActiveDriver(&active), kSource);
    return active;
}

}  // namespace brisance
