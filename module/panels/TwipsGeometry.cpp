#include "module/panels/TwipsGeometry.h"

#include "platform/ui/Twips.h"

#include <QMouseEvent>

namespace brisance {
namespace {

namespace ui = platform::ui;

std::int16_t buttonFlags(Qt::MouseButtons buttons)
{
    std::int16_t flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= vbLeftButton;
    if (buttons & Qt::RightButton)
        flags |= vbRightButton;
    if (buttons & Qt::MiddleButton)
        flags |= vbMiddleButton;
    return flags;
}

std::int16_t shiftFlags(Qt::KeyboardModifiers modifiers)
{
    std::int16_t flags = 0;
    if (modifiers & Qt::ShiftModifier)
        flags |= vbShiftMask;
    if (modifiers & Qt::ControlModifier)
        flags |= vbCtrlMask;
    if (modifiers & Qt::AltModifier)
        flags |= vbAltMask;
    return flags;
}

}  // namespace

QRect twipsRect(int left, int top, int width, int height)
{
    return {ui::twipsToPixelsX(left), ui::twipsToPixelsY(top), ui::twipsToPixelsX(width), ui::twipsToPixelsY(height)};
}

MouseArguments mouseArguments(const QMouseEvent& event)
{
    // A press or release names the one button that changed; a move, every
    // button held during it.
    const Qt::MouseButtons buttons = event.type() == QEvent::MouseMove ? event.buttons() : Qt::MouseButtons(event.button());
    const QPointF at = event.position();
    return {buttonFlags(buttons), shiftFlags(event.modifiers()), static_cast<float>(at.x() * ui::twipsPerPixelX()),
            static_cast<float>(at.y() * ui::twipsPerPixelY())};
}

}  // namespace brisance
