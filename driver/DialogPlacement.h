#pragma once
// Where the driver's dialogs appear. The set-up dialog is centred over its
// parent (or the work area); the dialogs it and the status dialog open stand
// beside their parent: to its right, or to its left when the right would
// leave the work area, centred vertically. Every dialog stays inside the work
// area. The status dialog stands inside the caller's window.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace marlet {

QPoint centredPosition(const std::optional<QRect>& parent, QSize size, const QRect& workArea);
QPoint besidePosition(const std::optional<QRect>& parent, QSize size, const QRect& workArea);
// In the caller's window: half its width less 65, at least 325, from the
// left; 60 from the top.
QPoint statusDialogPosition(int callerWidth);

// Moves a top-level dialog by its parent's frame and its screen's work area.
void placeCentred(QWidget& dialog);
void placeBeside(QWidget& dialog);

}  // namespace marlet
