#pragma once
// Port names ("COM1", "COM2", ...) and the devices they stand for.
//
// The machine's registry maps each name to a device path: under
// HKEY_LOCAL_MACHINE, key kPortMapKey, a string value named after the port
// holds the path (value "COM3" = "/dev/ttyUSB0"). A name that the registry
// does not map stands for the system's n-th serial line, COMn for
// "/dev/ttyS<n-1>". Port names are "COM" followed by a number from 1 to 256,
// in any case ("com1" is "COM1").

#include <optional>
#include <string>

namespace platform::serial {

inline constexpr const char* kPortMapKey = "HARDWARE\\Serial Ports";

// The device path of the port; nullopt for a name that is not a port name or
// when the registry cannot be read.
std::optional<std::string> devicePathForPort(const std::string& portName);

// Maps the port to a device path in the registry (a pseudo-terminal for a
// simulated instrument, say); false for a name that is not a port name or
// when the registry cannot be written.
bool setDevicePathForPort(const std::string& portName, const std::string& devicePath);

}  // namespace platform::serial
