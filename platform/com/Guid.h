#pragma once
// Globally unique identifiers: the class ids and interface ids by which
// component objects are created and queried.

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform::com {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend constexpr auto operator<=>(const Guid&, const Guid&) = default;
    friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

using IID = Guid;
using CLSID = Guid;

inline constexpr Guid GUID_NULL{};

namespace detail {

constexpr int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Parses "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", with or without braces.
constexpr std::optional<Guid> parse(std::string_view text)
{
    if (text.size() == 38) {
        if (text.front() != '{' || text.back() != '}') return std::nullopt;
        text = text.substr(1, 36);
    }
    if (text.size() != 36) return std::nullopt;
    std::array<std::uint8_t, 16> bytes{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < 16; ++i) {
        if (at == 8 || at == 13 || at == 18 || at == 23) {
            if (text[at] != '-') return std::nullopt;
            ++at;
        }
        const int high = hexDigit(text[at]);
        const int low = hexDigit(text[at + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
        at += 2;
    }
    Guid guid;
    guid.data1 = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
    guid.data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
    guid.data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
    for (std::size_t i = 0; i < 8; ++i) guid.data4[i] = bytes[8 + i];
    return guid;
}

}  // namespace detail

// A GUID from text known at compile time; malformed text fails the build.
consteval Guid makeGuid(std::string_view text)
{
    const auto guid = detail::parse(text);
    if (!guid) throw std::invalid_argument("malformed GUID literal");
    return *guid;
}

// A GUID from text, with or without braces; nullopt when malformed.
std::optional<Guid> parseGuid(std::string_view text);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case, as the registry keeps it.
std::string toString(const Guid& guid);

// A new random (version 4) GUID.
Guid newGuid();

}  // namespace platform::com
