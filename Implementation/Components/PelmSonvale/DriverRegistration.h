#pragma once
// The registry list of installed drivers: HKEY_LOCAL_MACHINE
// "SOFTWARE\Pelmworks\PelmSonvale\Drivers\" holds one subkey per driver, named
// by the driver's manufacturer id, with the text values "DriverPath",
// "Manufacturer" and "DriverName". The driver's own installer writes them;
// this server only reads them.

#include "PelmSonvale/RegistryKeys.h"
#include "platform/com/HResult.h"

#include <string>
#include <string_view>
#include <vector>

namespace pelmsonvale {

using platform::com::HRESULT;

// Each value is read into a buffer of this many bytes, its terminator
// included: a longer value cannot be read.
inline constexpr std::size_t kDriverValueBufferSize = 1000;

struct DriverRegistration {
    std::string ManufacturerID;
    std::string DriverPath;
    std::string Manufacturer;
    std::string DriverName;
};

// The names of the Drivers subkeys in enumeration order. The Drivers key is
// created when it is missing. E_FAIL when the registry cannot be used.
HRESULT enumerateDriverKeys(std::vector<std::string>& names);

// Reads the driver registered under `name` into `registration`: its
// ManufacturerID becomes the name, then "DriverPath", "Manufacturer" and
// "DriverName" are read in this order. E_INVALIDARG for an empty name; E_FAIL
// when the key is missing or the registry cannot be used, and when a value is
// missing, not text or too long for its buffer (the values read before it
// stay in `registration`).
HRESULT readDriverRegistration(const std::string& name, DriverRegistration& registration);

// True when a driver key of this name exists.
bool isDriverRegistered(const std::string& name);

}  // namespace pelmsonvale
