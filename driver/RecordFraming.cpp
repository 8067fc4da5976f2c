#include "driver/RecordFraming.h"

#include "driver/FieldReaders.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace marlet {

namespace {

constexpr std::pair<char, std::size_t> kBodyLengths[] = {
    {'1', 40}, {'2', 40}, {'3', 136}, {'4', 4},   {'5', 45},
    {'6', 1630}, {'7', 9}, {'8', 16}, {'x', 416}, {'y', 56}, {'z', 1834},
};

std::uint8_t dunmorByte(std::uint8_t byte)
{
    const auto low = static_cast<std::uint8_t>(byte & 0x7F);
    return static_cast<std::uint8_t>(low | ((std::popcount(low) & 1) << 7));
}

}  // namespace

std::optional<std::size_t> audiometerBodyLength(char type)
{
    for (const auto& [known, length] : kBodyLengths) {
        if (known == type)
            return length;
    }
    return std::nullopt;
}

bool checksumMatches(std::string_view record, std::size_t checksumAt, bool dunmor)
{
    if (checksumAt + 2 > record.size())
        return false;
    const auto high = hexDigit(record[checksumAt]);
    const auto low = hexDigit(record[checksumAt + 1]);
    if (!high || !low)
        return false;
    std::uint8_t sum = 0;
    for (const char c : record.substr(0, checksumAt)) {
        const auto byte = static_cast<std::uint8_t>(c);
        sum = static_cast<std::uint8_t>(sum + (dunmor ? dunmorByte(byte) : byte));
    }
    return sum == *high * 16 + *low;
}

}  // namespace marlet
