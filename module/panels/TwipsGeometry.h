#pragma once
// Twips, the layout unit of the module's controls, where Qt speaks pixels: the
// placement of child controls and the arguments of the mouse events that
// controls pass on to their hosts.

#include <QRect>

#include <cstdint>

class QMouseEvent;

namespace brisance {

// The pixel rectangle of a placement given in twips (left, top, width, height),
// for QWidget::setGeometry of a child control.
QRect twipsRect(int left, int top, int width, int height);

// Mouse buttons and modifier keys as hosts receive them in MouseDown,
// MouseMove and MouseUp.
enum MouseButtonFlag : std::int16_t { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
enum ShiftFlag : std::int16_t { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

struct MouseArguments {
    std::int16_t Button = 0;  // MouseButtonFlag: the button pressed or released; the held buttons in a move
    std::int16_t Shift = 0;   // ShiftFlag: the modifier keys held
    float X = 0;              // twips from the control's left edge
    float Y = 0;              // twips from the control's top edge
};

MouseArguments mouseArguments(const QMouseEvent& event);

}  // namespace brisance
