#include "platform/com/Guid.h"

#include <cstdio>
#include <random>

namespace platform::com {

std::optional<Guid> parseGuid(std::string_view text)
{
    return detail::parse(text);
}

std::string toString(const Guid& guid)
{
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.data1,
                  guid.data2, guid.data3, guid.data4[0], guid.data4[1], guid.data4[2], guid.data4[3],
                  guid.data4[4], guid.data4[5], guid.data4[6], guid.data4[7]);
    return text;
}

Guid newGuid()
{
    thread_local std::mt19937_64 generator{std::random_device{}()};
    const std::uint64_t high = generator();
    const std::uint64_t low = generator();
    Guid guid;
    guid.data1 = static_cast<std::uint32_t>(high >> 32);
    guid.data2 = static_cast<std::uint16_t>(high >> 16);
    guid.data3 = static_cast<std::uint16_t>((high & 0x0FFF) | 0x4000);
    for (int i = 0; i < 8; ++i) guid.data4[i] = static_cast<std::uint8_t>(low >> (56 - 8 * i));
    guid.data4[0] = static_cast<std::uint8_t>((guid.data4[0] & 0x3F) | 0x80);
    return guid;
}

}  // namespace platform::com
