#pragma once
// The colours of the module's controls. A colour property holds a colour value
// of the component platform: a plain RGB value or a system colour (0x800000nn).

#include "platform/gfx/Colour.h"

class QColor;

namespace brisance {

inline constexpr platform::gfx::OleColor kButtonFaceColour = platform::gfx::systemColor(platform::gfx::COLOR_BTNFACE);
inline constexpr platform::gfx::OleColor kButtonTextColour = platform::gfx::systemColor(platform::gfx::COLOR_BTNTEXT);
inline constexpr platform::gfx::OleColor kWindowColour = platform::gfx::systemColor(platform::gfx::COLOR_WINDOW);
inline constexpr platform::gfx::OleColor kGrayTextColour = platform::gfx::systemColor(platform::gfx::COLOR_GRAYTEXT);

// The RGB value a colour value draws with; black for a value that names no
// colour (an unknown system colour index).
platform::gfx::ColorRef drawingColour(platform::gfx::OleColor colour);

// The same colour for a Qt child control (a label's background, an editor's text).
QColor qtColour(platform::gfx::OleColor colour);

}  // namespace brisance
