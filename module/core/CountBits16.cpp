#include "module/core/CountBits16.h"

#include <bit>

namespace brisance {

std::int16_t CountBits16(std::int32_t value)
{
    return static_cast<std::int16_t>(std::popcount(static_cast<std::uint16_t>(value & 0xFFFF)));
}

}  // namespace brisance
