#include "driver/FieldReaders.h"

#include <algorithm>
#include <cstdlib>

namespace marlet {

namespace {

constexpr std::size_t kDecimalLimit = 9;
constexpr std::size_t kHexLimit = 8;

}  // namespace

std::optional<int> hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

int roundToStepOf50(int tenths)
{
    const int magnitude = (std::abs(tenths) + 25) / 50 * 50;
    return tenths < 0 ? -magnitude : magnitude;
}

char RecordFields::at(std::size_t position) const
{
    if (position >= m_record.size()) {
        m_overrun = true;
        return '0';
    }
    return m_record[position];
}

bool RecordFields::is(std::size_t position, std::string_view text) const
{
    bool same = true;
    for (std::size_t i = 0; i < text.size(); ++i)
        same = at(position + i) == text[i] && same;
    return same;
}

int RecordFields::decimal(std::size_t position, std::size_t width) const
{
    width = std::min(width, kDecimalLimit);
    int value = 0;
    bool negative = false;
    bool digitSeen = false;
    for (std::size_t i = 0; i < width; ++i) {
        const char c = at(position + i);
        if (c == '-' && !digitSeen) {
            negative = true;
            continue;
        }
        const bool digit = c >= '0' && c <= '9';
        digitSeen = digitSeen || digit;
        value = value * 10 + (digit ? c - '0' : 0);
    }
    return negative ? -value : value;
}

std::uint32_t RecordFields::hex(std::size_t position, std::size_t width) const
{
    width = std::min(width, kHexLimit);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = value * 16 + static_cast<std::uint32_t>(hexDigit(at(position + i)).value_or(0));
    return value;
}

int RecordFields::signedHex4(std::size_t position) const
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(hex(position, 4)));
}

int RecordFields::level4(std::size_t position) const
{
    if (is(position, "    "))
        return kLevelNone;
    return roundToStepOf50(decimal(position, 4));
}

int RecordFields::level3(std::size_t position) const
{
    if (is(position, "---"))
        return kLevelNone;
    return roundToStepOf50(decimal(position, 3) * 10);
}

int RecordFields::halfDb4(std::size_t position) const
{
    // Levels below 0 dB are sent in two's complement; 0x8000, the lowest
    // 16-bit value, is "none".
    if (hex(position, 4) == 0x8000)
        return kLevelNone;
    return roundToStepOf50(signedHex4(position) * 5);
}

}  // namespace marlet
