#include "tools/instrument-sim/Checksum.h"

#include "tools/instrument-sim/Fields.h"

#include <bit>

namespace instrument_sim {

std::uint8_t dunmorByte(std::uint8_t byte)
{
    const std::uint8_t low = byte & 0x7F;
    return static_cast<std::uint8_t>(low | ((std::popcount(low) & 1) << 7));
}

std::uint8_t checksum(std::string_view summed, ChecksumKind kind)
{
    unsigned sum = 0;
    for (const char c : summed) {
        const auto byte = static_cast<std::uint8_t>(c);
        sum += kind == ChecksumKind::Dunmor ? dunmorByte(byte) : byte;
    }
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::string checksumText(std::string_view summed, ChecksumKind kind)
{
    return hex(checksum(summed, kind), 2);
}

}  // namespace instrument_sim
