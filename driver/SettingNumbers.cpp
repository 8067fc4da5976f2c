#include "driver/SettingNumbers.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace marlet {

namespace {

bool isBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view trimmedFront(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

}  // namespace

std::optional<long> readDecimal(std::string_view text)
{
    text = trimmedFront(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return std::nullopt;
    return value;
}

std::optional<unsigned> readHexWord(std::string_view text)
{
    text = trimmedFront(text);
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    text.remove_prefix(2);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    const std::size_t digits = static_cast<std::size_t>(end - text.data());
    if (error != std::errc() || value > 0xFFFF || trimmedFront(text.substr(digits)).size() != 0)
        return std::nullopt;
    return value;
}

std::string hexWordText(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFFu);
    return text;
}

}  // namespace marlet
