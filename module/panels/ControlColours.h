#pragma once
// The colours of the module's controls. A colour property holds a colour value
// of the component platform: a plain RGB value or a system colour (0x800000nn).

#include "platform/gfx/Colour.h"

#include <cstdint>

class QColor;
class QWidget;

namespace brisance {

inline constexpr platform::gfx::OleColor kButtonFaceColour = platform::gfx::systemColor(platform::gfx::COLOR_BTNFACE);
inline constexpr platform::gfx::OleColor kButtonTextColour = platform::gfx::systemColor(platform::gfx::COLOR_BTNTEXT);
inline constexpr platform::gfx::OleColor kWindowColour = platform::gfx::systemColor(platform::gfx::COLOR_WINDOW);
inline constexpr platform::gfx::OleColor kGrayTextColour = platform::gfx::systemColor(platform::gfx::COLOR_GRAYTEXT);

// The colours that name the ears wherever the screen tells them apart, as an
// audiogram draws them: the right ear (ear code 2) red, the left ear (3)
// blue; both ears (4) and any other code black.
platform::gfx::ColorRef earColour(std::int32_t ear);

// The RGB value a colour value draws with; black for a value that names no
// colour (an unknown system colour index).
platform::gfx::ColorRef drawingColour(platform::gfx::OleColor colour);

// The same colour for a Qt child control (a label's background, an editor's text).
QColor qtColour(platform::gfx::OleColor colour);

// A view of a read-only document is disabled: its controls refuse input, but
// their values stay readable. This gives the widget, and the child controls
// that take its colours, the enabled text colours and field background when
// disabled.
void keepTextColoursWhenDisabled(QWidget& widget);

}  // namespace brisance
