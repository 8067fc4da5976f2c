#pragma once
// Where the driver's dialogs appear. The set-up dialog is centred over its
// parent (or the work area); the dialogs it and the status dialog open stand
// beside their parent: to its right, or to its left when the right would
// leave the work area, centred vertically. Every dialog stays inside the work
// area. The status dialog stands beside the caller's window, so that it
// covers nothing of it.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace marlet {

QPoint centredPosition(const std::optional<QRect>& parent, QSize size, const QRect& workArea);
QPoint besidePosition(const std::optional<QRect>& parent, QSize size, const QRect& workArea);
// In global coordinates, `caller` being the caller's window: on its right,
// else on its left (both level with its top), else above it, else below it
// (both level with its right edge), wherever the dialog fits whole into the
// work area. Where none fits, inside the caller's window: half its width less
// 65, at least 325, from its left and 60 from its top.
QPoint statusDialogPosition(const QRect& caller, QSize size, const QRect& workArea);

// Moves a top-level dialog by its parent's frame and its screen's work area.
void placeCentred(QWidget& dialog);
void placeBeside(QWidget& dialog);

}  // namespace marlet
