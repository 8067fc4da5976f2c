#include "platform/com/Guid.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::com;

TEST(Guid, ParsesWithAndWithoutBracesAndFormatsInUpperCaseBraces)
{
    constexpr Guid literal = makeGuid("{5e60b768-067e-11d3-ad67-000000000000}");
    EXPECT_EQ(literal.data1, 0x5E60B768u);
    EXPECT_EQ(literal.data4[1], 0x67);
    EXPECT_EQ(toString(literal), "{5E60B768-067E-11D3-AD67-000000000000}");
    EXPECT_EQ(parseGuid("5E60B768-067E-11D3-AD67-000000000000"), literal);
    EXPECT_EQ(parseGuid(toString(literal)), literal);
}

TEST(Guid, RefusesMalformedText)
{
    for (const char* text : {"", "{5E60B768-067E-11D3-AD67-000000000000", "5E60B768x067E-11D3-AD67-000000000000",
                             "{5E60B768-067E-11D3-AD67-00000000000G}", "{5E60B768-067E-11D3-AD67-0000000000}"})
        EXPECT_FALSE(parseGuid(text).has_value()) << text;
}

TEST(Guid, NewGuidsAreDistinctVersionFour)
{
    const Guid a = newGuid();
    const Guid b = newGuid();
    EXPECT_NE(a, b);
    EXPECT_EQ(a.data3 >> 12, 4);
    EXPECT_EQ(a.data4[0] & 0xC0, 0x80);
}

}  // namespace
