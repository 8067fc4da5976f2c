#include "module/panels/ControlColours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace brisance {

namespace gfx = platform::gfx;

gfx::ColorRef earColour(std::int32_t ear)
{
    switch (ear) {
    case 2: return gfx::rgb(255, 0, 0);
    case 3: return gfx::rgb(0, 0, 255);
    default: return gfx::rgb(0, 0, 0);
    }
}

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

void keepTextColoursWhenDisabled(QWidget& widget)
{
    QPalette colours = widget.palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Base})
        colours.setColor(QPalette::Disabled, role, colours.color(QPalette::Active, role));
    widget.setPalette(colours);
}

}  // namespace brisance
