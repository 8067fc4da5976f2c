#include "platform/gfx/Colour.h"

#include <array>

namespace platform::gfx {
namespace {

constexpr std::array<ColorRef, 25> kSystemColors = {
    rgb(200, 200, 200),  // COLOR_SCROLLBAR
    rgb(0, 0, 0),        // COLOR_BACKGROUND
    rgb(153, 180, 209),  // COLOR_ACTIVECAPTION
    rgb(191, 205, 219),  // COLOR_INACTIVECAPTION
    rgb(240, 240, 240),  // COLOR_MENU
    rgb(255, 255, 255),  // COLOR_WINDOW
    rgb(100, 100, 100),  // COLOR_WINDOWFRAME
    rgb(0, 0, 0),        // COLOR_MENUTEXT
    rgb(0, 0, 0),        // COLOR_WINDOWTEXT
    rgb(0, 0, 0),        // COLOR_CAPTIONTEXT
    rgb(180, 180, 180),  // COLOR_ACTIVEBORDER
    rgb(244, 247, 252),  // COLOR_INACTIVEBORDER
    rgb(171, 171, 171),  // COLOR_APPWORKSPACE
    rgb(0, 120, 215),    // COLOR_HIGHLIGHT
    rgb(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    rgb(240, 240, 240),  // COLOR_BTNFACE
    rgb(160, 160, 160),  // COLOR_BTNSHADOW
    rgb(109, 109, 109),  // COLOR_GRAYTEXT
    rgb(0, 0, 0),        // COLOR_BTNTEXT
    rgb(0, 0, 0),        // COLOR_INACTIVECAPTIONTEXT
    rgb(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    rgb(105, 105, 105),  // COLOR_3DDKSHADOW
    rgb(227, 227, 227),  // COLOR_3DLIGHT
    rgb(0, 0, 0),        // COLOR_INFOTEXT
    rgb(255, 255, 225),  // COLOR_INFOBK
};

}  // namespace

ColorRef sysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kSystemColors.size()))
        return kInvalidColor;
    return kSystemColors[static_cast<std::size_t>(index)];
}

bool translateColor(OleColor colour, ColorRef* out)
{
    const std::uint32_t high = colour & 0xFF000000;
    if (high == 0) {
        *out = colour;
        return true;
    }
    if (high != kSystemColorFlag || (colour & 0x00FFFF00) != 0)
        return false;
    const ColorRef value = sysColor(static_cast<int>(colour & 0xFF));
    if (value == kInvalidColor)
        return false;
    *out = value;
    return true;
}

}  // namespace platform::gfx
