#pragma once
// Faults an instrument or its line can put into a record, for the driver's
// error paths. Each takes a finished record (with checksum and CR LF) and
// returns what is sent instead.


#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace instrument_sim {

// Bytes sent after a pause: a record split by a gap on the line.
struct Chunk {
    std::chrono::milliseconds pause{0};
    std::string bytes;
};
using Transmission = std::vector<Chunk>;

// The checksum characters off by one.
std::string withBadChecksum(std::string_view record);
// Another type character (the checksum is not made to match).
std::string withType(std::string_view record, char type);
// A '|' record whose LF is not preceded by CR.
std::string withoutCarriageReturn(std::string_view record);
// Bit 7 set on every byte before the checksum, which a Dunmor audiometer's
// checksum ignores and a plain one does not.
std::string withHighBits(std::string_view record);
// The record in two pieces: the first `splitAt` bytes, then the rest after `gap`.
Transmission splitRecord(std::string_view record, std::size_t splitAt, std::chrono::milliseconds gap);
// A '|' line of `length` bytes before CR LF, with a checksum that matches.
std::string overLongPipeLine(char type, std::size_t length);
// Printable characters that are no start of a record.
std::string strayCharacters(std::size_t count);

}  // namespace instrument_sim
