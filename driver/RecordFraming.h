#pragma once
// How the instruments frame their records: the body lengths of the
// audiometer's ':' records and the checksum that ends every record.

#include <cstddef>
#include <optional>
#include <string_view>

namespace marlet {

// The body length of a ':' record type, its two checksum characters
// included; none for a type the instruments do not send.
std::optional<std::size_t> audiometerBodyLength(char type);

// True when the two hexadecimal characters (either case) at `checksumAt`
// carry the low 8 bits of the sum of every byte before them. A Dunmor
// audiometer sums each byte with its bit 7 replaced by the parity of the other
// seven, so its bit 7 as sent does not count.
bool checksumMatches(std::string_view record, std::size_t checksumAt, bool dunmor);

}  // namespace marlet
