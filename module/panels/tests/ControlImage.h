#pragma once
// Reading a control's look in tests: the widget grabbed as it paints itself,
// its pixels as the drawing service's colour values, and whether a change
// made the shown widget paint again.

#include "platform/gfx/Colour.h"

#include <QEvent>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <functional>

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

// The rectangle of the pixels darker than the grey level (by default mid-grey:
// a text in dark ink), or an empty one when there are none.
inline QRect inkBounds(const QImage& image, const QRect& within, int darkerThan = 128)
{
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < darkerThan)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Whether the widget, shown and painted, paints again after the change. It
// waits for the paint, so use it only where a paint is expected.
inline bool repaintsAfter(QWidget& widget, const std::function<void()>& change)
{
    struct PaintWatch : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    widget.window()->show();
    if (!QTest::qWaitForWindowExposed(widget.window()))
        return false;
    QCoreApplication::processEvents();
    widget.installEventFilter(&watch);
    change();
    const bool painted = QTest::qWaitFor([&] { return watch.painted; }, 2000);
    widget.removeEventFilter(&watch);
    return painted;
}

}  // namespace brisance::testing
