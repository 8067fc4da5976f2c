#include "module/panels/ControlFont.h"

#include "platform/com/Font.h"

#include <QWidget>

namespace brisance {

double fontPointSize(const QWidget& widget)
{
    constexpr double kPointsPerInch = 72.0;
    const QFont& font = widget.font();
    // A font sized in pixels has no point size of its own.
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * kPointsPerInch / widget.logicalDpiY();
}

platform::gfx::FontDescription drawingFont(const QWidget& widget)
{
    const QFont& font = widget.font();
    const int dotsPerInch = widget.logicalDpiY();
    platform::com::FontDescription description;
    description.name = font.family().toStdString();
    description.size = fontPointSize(widget);
    description.weight = static_cast<std::int16_t>(font.weight());
    description.italic = font.italic();
    description.underline = font.underline();
    description.strikethrough = font.strikeOut();
    return platform::com::drawingFont(description, dotsPerInch);
}

}  // namespace brisance
