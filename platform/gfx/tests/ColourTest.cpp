#include "platform/gfx/Colour.h"

#include <gtest/gtest.h>

namespace platform::gfx {
namespace {

struct ColourCase {
    OleColor colour;
    bool translates;
    ColorRef expected;
};

TEST(TranslateColor, PassesPlainValuesAndLooksUpSystemColours)
{
    const ColourCase cases[] = {
        {0x00123456, true, 0x00123456},
        {0x8000000F, true, sysColor(COLOR_BTNFACE)},
        {0x80000011, true, sysColor(COLOR_GRAYTEXT)},
        {0x80000012, true, rgb(0, 0, 0)},
        {0x800000FF, false, 0},  // no such system colour
        {0x80010005, false, 0},  // stray bits
        {0x01000000, false, 0},  // palette-relative values are not ours
    };
    for (const ColourCase& c : cases) {
        ColorRef out = 0xDEADBEEF;
        EXPECT_EQ(translateColor(c.colour, &out), c.translates) << std::hex << c.colour;
        EXPECT_EQ(out, c.translates ? c.expected : 0xDEADBEEF) << std::hex << c.colour;
    }
    EXPECT_NE(sysColor(COLOR_GRAYTEXT), sysColor(COLOR_BTNTEXT));  // a hidden caption must look different
}

}  // namespace
}  // namespace platform::gfx
