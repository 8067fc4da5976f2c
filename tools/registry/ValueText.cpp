#include "tools/registry/ValueText.h"

#include "platform/registry/ValueData.h"

#include <charconv>
#include <cstdint>

namespace brisance::reg {

using platform::registry::Value;
using platform::registry::ValueType;

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

std::optional<std::uint32_t> numberFrom(std::string_view text)
{
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

std::optional<std::vector<std::uint8_t>> bytesFrom(std::string_view hex)
{
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t at = 0; at < hex.size(); at += 2) {
        std::uint8_t byte = 0;
        const auto [end, error] = std::from_chars(hex.data() + at, hex.data() + at + 2, byte, 16);
        if (error != std::errc() || end != hex.data() + at + 2)
            return std::nullopt;
        bytes.push_back(byte);
    }
    return bytes;
}

std::string hexOf(const std::vector<std::uint8_t>& bytes)
{
    std::string hex;
    for (const std::uint8_t byte : bytes) {
        hex += kHexDigits[byte >> 4];
        hex += kHexDigits[byte & 0x0F];
    }
    return hex;
}

}  // namespace

std::optional<Value> valueFromText(ValueType type, std::span<const std::string> arguments)
{
    switch (type) {
    case ValueType::Sz:
    case ValueType::ExpandSz:
        if (arguments.size() != 1)
            return std::nullopt;
        return Value{type, platform::registry::textData(arguments[0])};
    case ValueType::Dword:
        if (arguments.size() != 1)
            return std::nullopt;
        if (const auto number = numberFrom(arguments[0]))
            return Value{type, platform::registry::dwordData(*number)};
        return std::nullopt;
    case ValueType::Binary:
        if (arguments.size() > 1)
            return std::nullopt;
        if (const auto bytes = bytesFrom(arguments.empty() ? std::string_view() : arguments[0]))
            return Value{type, *bytes};
        return std::nullopt;
    case ValueType::MultiSz:
        if (const auto data = platform::registry::multiTextData({arguments.begin(), arguments.end()}))
            return Value{type, *data};
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::string> textOfValue(const Value& value)
{
    switch (value.type) {
    case ValueType::Sz:
    case ValueType::ExpandSz:
        return {platform::registry::textFrom(value.data)};
    case ValueType::Dword:
        if (const auto number = platform::registry::dwordFrom(value.data))
            return {std::to_string(*number)};
        break;
    case ValueType::MultiSz:
        return platform::registry::multiTextFrom(value.data);
    case ValueType::Binary:
        break;
    }
    return {hexOf(value.data)};
}

}  // namespace brisance::reg
