#pragma once
// Reading a control's look in tests: the widget grabbed as it paints itself,
// and its pixels as the drawing service's colour values.

#include "platform/gfx/Colour.h"

#include <QImage>
#include <QWidget>

namespace brisance::testing {

inline QImage grabControl(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline platform::gfx::ColorRef pixelAt(const QImage& image, int x, int y)
{
    const QRgb value = image.pixel(x, y);
    return platform::gfx::rgb(qRed(value), qGreen(value), qBlue(value));
}

}  // namespace brisance::testing
