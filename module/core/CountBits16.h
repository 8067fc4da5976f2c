#pragma once
// How many frequencies a pure-tone average mask names.

#include <cstdint>

namespace brisance {

// The number of set bits among bits 0 to 15 of value; higher bits are not
// looked at.
std::int16_t CountBits16(std::int32_t value);

}  // namespace brisance
