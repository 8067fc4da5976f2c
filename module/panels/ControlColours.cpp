#include "module/panels/ControlColours.h"

#include <QColor>

namespace brisance {

namespace gfx = platform::gfx;

gfx::ColorRef drawingColour(gfx::OleColor colour)
{
    gfx::ColorRef value = gfx::rgb(0, 0, 0);
    gfx::translateColor(colour, &value);
    return value;
}

QColor qtColour(gfx::OleColor colour)
{
    const gfx::ColorRef value = drawingColour(colour);
    return QColor(gfx::redOf(value), gfx::greenOf(value), gfx::blueOf(value));
}

}  // namespace brisance
