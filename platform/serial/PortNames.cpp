#include "platform/serial/PortNames.h"

#include "platform/registry/Key.h"

#include <cctype>
#include <charconv>

namespace platform::serial {

namespace {

constexpr int kHighestPortNumber = 256;

// n for "COMn" (any case), nullopt for other names.
std::optional<int> portNumber(const std::string& portName)
{
    if (portName.size() < 4)
        return std::nullopt;
    for (std::size_t at = 0; at < 3; ++at) {
        if (std::toupper(static_cast<unsigned char>(portName[at])) != "COM"[at])
            return std::nullopt;
    }
    int number = 0;
    const char* digits = portName.data() + 3;
    const char* end = portName.data() + portName.size();
    const auto [stop, error] = std::from_chars(digits, end, number);
    if (error != std::errc() || stop != end || *digits == '0' || number < 1 || number > kHighestPortNumber)
        return std::nullopt;
    return number;
}

}  // namespace

std::optional<std::string> devicePathForPort(const std::string& portName)
{
    const std::optional<int> number = portNumber(portName);
    if (!number)
        return std::nullopt;
    try {
        registry::Key ports;
        std::string mapped;
        if (registry::openKey(registry::Root::LocalMachine, kPortMapKey, registry::Access::Read, ports) ==
                registry::Result::Success &&
            ports.getString(portName, mapped) == registry::Result::Success)
            return mapped;
    } catch (const registry::RegistryError&) {
        return std::nullopt;
    }
    return "/dev/ttyS" + std::to_string(*number - 1);
}

bool setDevicePathForPort(const std::string& portName, const std::string& devicePath)
{
    const std::optional<int> number = portNumber(portName);
    if (!number)
        return false;
    try {
        registry::Key ports;
        return registry::createKey(registry::Root::LocalMachine, kPortMapKey, registry::Access::Write, ports) ==
                   registry::Result::Success &&
               ports.setString("COM" + std::to_string(*number), devicePath) == registry::Result::Success;
    } catch (const registry::RegistryError&) {
        return false;
    }
}

}  // namespace platform::serial
