#include "platform/serial/PortNames.h"

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
    return "/dev/ttyS" + std::to_string(*number - 1);
}

}  // namespace platform::serial
