#include "module/core/CountBits16.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace brisance {
namespace {

TEST(CountBits16, CountsTheSetBitsOfTheLow16Only)
{
    const struct {
        std::int32_t value;
        std::int16_t bits;
    } cases[] = {{65535, 16}, {65536, 0}, {-1, 16}, {84, 3}, {0, 0}, {0x7FFF8001, 2}};
    for (const auto& [value, bits] : cases) EXPECT_EQ(CountBits16(value), bits) << "value " << value;
}

}  // namespace
}  // namespace brisance
