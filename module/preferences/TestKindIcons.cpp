#include "module/preferences/TestKindIcons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace brisance {

namespace {

constexpr int kSize = 16;

QImage blankIcon()
{
    QImage icon(kSize, kSize, QImage::Format_RGB32);
    icon.fill(Qt::white);
    return icon;
}

// A grey threshold line with a red circle (right ear) and a blue cross (left ear).
QImage pureToneIcon()
{
    QImage icon = blankIcon();
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(QPointF(1.5, 4.5), QPointF(14.5, 11.5));
    painter.setPen(QPen(QColor(220, 0, 0), 1.5));
    painter.drawEllipse(QPointF(4.5, 6.0), 3.0, 3.0);
    painter.setPen(QPen(QColor(0, 0, 220), 1.5));
    painter.drawLine(QPointF(9.0, 8.0), QPointF(14.0, 13.0));
    painter.drawLine(QPointF(14.0, 8.0), QPointF(9.0, 13.0));
    return icon;
}

// A blue speech balloon with two lines of text.
QImage speechIcon()
{
    QImage icon = blankIcon();
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(1.5, 1.5, 13.0, 9.0), 2.5, 2.5);
    QPainterPath tail;
    tail.moveTo(4.0, 10.0);
    tail.lineTo(3.0, 14.5);
    tail.lineTo(8.0, 10.0);
    tail.closeSubpath();
    painter.setPen(QPen(QColor(0, 60, 160), 1));
    painter.setBrush(QColor(210, 228, 250));
    painter.drawPath(balloon.united(tail));
    painter.setPen(QPen(QColor(0, 60, 160), 1));
    painter.drawLine(QPointF(4.0, 4.5), QPointF(12.0, 4.5));
    painter.drawLine(QPointF(4.0, 7.5), QPointF(10.0, 7.5));
    return icon;
}

}  // namespace

platform::com::ComPtr<platform::gfx::ImageList> CreateTestKindIcons()
{
    auto icons = platform::gfx::ImageList::create(kSize, kSize);
    icons->add(pureToneIcon());
    icons->add(speechIcon());
    return icons;
}

}  // namespace brisance
