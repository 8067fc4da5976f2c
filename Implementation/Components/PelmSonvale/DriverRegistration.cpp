#include "DriverRegistration.h"

#include "platform/registry/Key.h"

#include <array>
#include <string>

namespace pelmsonvale {

namespace {

using platform::com::E_FAIL;
using platform::com::E_INVALIDARG;
using platform::com::S_OK;
using platform::registry::Access;
using platform::registry::Key;
using platform::registry::RegistryError;
using platform::registry::Result;
using platform::registry::Root;

// The registration values in the order they are read, with where each goes.
constexpr std::array<std::pair<std::string_view, std::string DriverRegistration::*>, 3> kValues{{
    {"DriverPath", &DriverRegistration::DriverPath},
    {"Manufacturer", &DriverRegistration::Manufacturer},
    {"DriverName", &DriverRegistration::DriverName},
}};

bool readValue(const Key& key, std::string_view name, std::string& text)
{
    std::string value;
    if (key.getString(name, value) != Result::Success || value.size() >= kDriverValueBufferSize)
        return false;
    text = std::move(value);
    return true;
}

std::string driverKeyPath(const std::string& name)
{
    return std::string(kDriversKey) + name;
}

}  // namespace

HRESULT enumerateDriverKeys(std::vector<std::string>& names)
{
    names.clear();
    try {
        Key drivers;
        if (createKey(Root::LocalMachine, kDriversKey, Access::Read, drivers) != Result::Success)
            return E_FAIL;
        std::string name;
        for (std::uint32_t index = 0; drivers.enumKey(index, name) == Result::Success; ++index)
            names.push_back(name);
        return S_OK;
    } catch (const RegistryError&) {
        return E_FAIL;
    }
}

HRESULT readDriverRegistration(const std::string& name, DriverRegistration& registration)
{
    if (name.empty())
        return E_INVALIDARG;
    registration.ManufacturerID = name;
    try {
        Key key;
        if (openKey(Root::LocalMachine, driverKeyPath(name), Access::Read, key) != Result::Success)
            return E_FAIL;
        for (const auto& [valueName, field] : kValues)
            if (!readValue(key, valueName, registration.*field))
                return E_FAIL;
        return S_OK;
    } catch (const RegistryError&) {
        return E_FAIL;
    }
}

bool isDriverRegistered(const std::string& name)
{
    try {
        return keyExists(Root::LocalMachine, driverKeyPath(name));
    } catch (const RegistryError&) {
        return false;
    }
}

}  // namespace pelmsonvale
