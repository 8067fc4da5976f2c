#pragma once
// Field encoders for the instruments' ASCII records. Each throws
// std::invalid_argument when the value does not fit its width, so that a test
// never sends a record other than the one it describes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace instrument_sim {

// Decimal digits, zero-padded; a negative value starts with '-'.
std::string decimal(std::int64_t value, std::size_t width);
// Upper-case hexadecimal, zero-padded; a negative value in two's complement of the width.
std::string hex(std::int64_t value, std::size_t width);

// Levels. L4: tenths of dB in four decimal characters, four blanks for none.
std::string level4(std::optional<int> tenths);
// L3: whole dB in three decimal characters, "---" for none.
std::string level3(std::optional<int> decibels);
// H4: half-dB steps in four hexadecimal characters, "8000" for none. Takes tenths (a multiple of 5).
std::string halfDb4(std::optional<int> tenths);

}  // namespace instrument_sim
