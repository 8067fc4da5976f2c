#pragma once
// The instruments' record checksum: the low 8 bits of the byte sum from the
// start character up to the first checksum character, sent as two hexadecimal
// characters. Dunmor audiometers replace each byte's bit 7 by the parity of its
// seven low bits before summing.

#include <cstdint>
#include <string>
#include <string_view>

namespace instrument_sim {

enum class ChecksumKind { Plain, Dunmor };

// The byte as a Dunmor audiometer sums it.
std::uint8_t dunmorByte(std::uint8_t byte);

std::uint8_t checksum(std::string_view summed, ChecksumKind kind);

// The two upper-case hexadecimal characters of the checksum.
std::string checksumText(std::string_view summed, ChecksumKind kind);

}  // namespace instrument_sim
