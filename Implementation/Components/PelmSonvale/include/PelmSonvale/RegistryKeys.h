#pragma once
// Where the link server's registry entries live, under HKEY_LOCAL_MACHINE:
// the server's key, which holds the published window handle
// ("ActiveWindowHandle"), and the list of installed drivers, one subkey per
// driver with the text values "DriverPath", "Manufacturer" and "DriverName",
// which a driver's installer writes.

#include <string_view>

namespace pelmsonvale {

inline constexpr std::string_view kSonvaleKey = "SOFTWARE\\Pelmworks\\PelmSonvale\\";
inline constexpr std::string_view kDriversKey = "SOFTWARE\\Pelmworks\\PelmSonvale\\Drivers\\";

}  // namespace pelmsonvale
