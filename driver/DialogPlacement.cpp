#include "driver/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace marlet {

namespace {

QPoint keptInside(QPoint position, QSize size, const QRect& workArea)
{
    // A dialog larger than the work area keeps its top-left corner inside.
    const int right = std::max(workArea.left(), workArea.left() + workArea.width() - size.width());
    const int bottom = std::max(workArea.top(), workArea.top() + workArea.height() - size.height());
    return {std::clamp(position.x(), workArea.left(), right), std::clamp(position.y(), workArea.top(), bottom)};
}

std::optional<QRect> parentFrame(const QWidget& dialog)
{
    if (const QWidget* parent = dialog.parentWidget())
        return parent->window()->frameGeometry();
    return std::nullopt;
}

QRect workAreaOf(const QWidget& dialog)
{
    const QScreen* screen = dialog.parentWidget() ? dialog.parentWidget()->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize sizeOf(QWidget& dialog)
{
    dialog.adjustSize();
    return dialog.frameGeometry().size();
}

}  // namespace

QPoint centredPosition(const std::optional<QRect>& parent, QSize size, const QRect& workArea)
{
    const QRect over = parent.value_or(workArea);
    const QPoint topLeft(over.left() + (over.width() - size.width()) / 2,
                         over.top() + (over.height() - size.height()) / 2);
    return keptInside(topLeft, size, workArea);
}

QPoint besidePosition(const std::optional<QRect>& parent, QSize size, const QRect& workArea)
{
    if (!parent)
        return centredPosition(parent, size, workArea);
    const int top = parent->top() + (parent->height() - size.height()) / 2;
    int left = parent->left() + parent->width();
    if (left + size.width() > workArea.left() + workArea.width())
        left = parent->left() - size.width();
    return keptInside({left, top}, size, workArea);
}

QPoint statusDialogPosition(int callerWidth)
{
    return {std::max(325, callerWidth / 2 - 65), 60};
}

void placeCentred(QWidget& dialog)
{
    dialog.move(centredPosition(parentFrame(dialog), sizeOf(dialog), workAreaOf(dialog)));
}

void placeBeside(QWidget& dialog)
{
    dialog.move(besidePosition(parentFrame(dialog), sizeOf(dialog), workAreaOf(dialog)));
}

}  // namespace marlet
