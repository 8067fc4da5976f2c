#include "tools/instrument-sim/Fields.h"

#include <stdexcept>

namespace instrument_sim {

namespace {

[[noreturn]] void doesNotFit(std::int64_t value, std::size_t width, const char* what)
{
    throw std::invalid_argument(std::to_string(value) + " does not fit " + std::to_string(width) + " " +
                                what + " characters");
}

}  // namespace

std::string decimal(std::int64_t value, std::size_t width)
{
    const bool negative = value < 0;
    // Unsigned negation, so the most negative value has a magnitude too.
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const std::string digits = std::to_string(magnitude);
    if (width < digits.size() + (negative ? 1 : 0))
        doesNotFit(value, width, "decimal");
    std::string text(width, '0');
    if (negative)
        text.front() = '-';
    text.replace(width - digits.size(), digits.size(), digits);
    return text;
}

std::string hex(std::int64_t value, std::size_t width)
{
    if (width == 0 || width > 8)
        doesNotFit(value, width, "hexadecimal");
    const std::int64_t span = std::int64_t{1} << (4 * width);
    if (value >= span || value < -span / 2)
        doesNotFit(value, width, "hexadecimal");
    auto bits = static_cast<std::uint64_t>(value < 0 ? value + span : value);
    std::string text(width, '0');
    for (std::size_t i = width; i-- > 0; bits >>= 4)
        text[i] = "0123456789ABCDEF"[bits & 0xF];
    return text;
}

std::string level4(std::optional<int> tenths)
{
    return tenths ? decimal(*tenths, 4) : std::string(4, ' ');
}

std::string level3(std::optional<int> decibels)
{
    return decibels ? decimal(*decibels, 3) : std::string("---");
}

std::string halfDb4(std::optional<int> tenths)
{
    if (!tenths)
        return "8000";
    if (*tenths % 5 != 0)
        throw std::invalid_argument(std::to_string(*tenths) + " tenths is not a whole half-dB step");
    return hex(*tenths / 5, 4);
}

}  // namespace instrument_sim
