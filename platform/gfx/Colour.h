#pragma once
// Colours given as the component platform's colour values: either a plain RGB
// value or a system colour (0x800000nn, nn the system colour index).

#include "platform/gfx/Types.h"

namespace platform::gfx {

using OleColor = std::uint32_t;

// System colour indexes and their colour values.
enum SystemColor : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
};

inline constexpr OleColor kSystemColorFlag = 0x80000000;
inline constexpr OleColor systemColor(SystemColor index) { return kSystemColorFlag | static_cast<OleColor>(index); }

// The RGB value of a system colour index; kInvalidColor for an unknown index.
// The values are fixed (not taken from the desktop theme) so that drawings and
// printouts are the same on every machine.
ColorRef sysColor(int index);

// Translates a colour value to RGB: plain values (high byte 0) pass unchanged,
// system colours are looked up. Returns false, leaving *out untouched, for a
// system colour index that does not exist or any other high byte.
bool translateColor(OleColor colour, ColorRef* out);

}  // namespace platform::gfx
