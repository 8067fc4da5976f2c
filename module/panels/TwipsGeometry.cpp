#include "module/panels/TwipsGeometry.h"

#include "platform/ui/Twips.h"

#include <QMouseEvent>

#include <span>

namespace brisance {
namespace {

namespace ui = platform::ui;

struct FlagPair {
    int qt;
    std::int16_t ours;
};

constexpr FlagPair kButtons[] = {
    {Qt::LeftButton, vbLeftButton}, {Qt::RightButton, vbRightButton}, {Qt::MiddleButton, vbMiddleButton}};
constexpr FlagPair kModifiers[] = {
    {Qt::ShiftModifier, vbShiftMask}, {Qt::ControlModifier, vbCtrlMask}, {Qt::AltModifier, vbAltMask}};

std::int16_t flagsOf(int held, std::span<const FlagPair> table)
{
    std::int16_t flags = 0;
    for (const FlagPair& pair : table)
        if (held & pair.qt)
            flags |= pair.ours;
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
    return {flagsOf(static_cast<int>(buttons.toInt()), kButtons),
            flagsOf(static_cast<int>(event.modifiers().toInt()), kModifiers),
            static_cast<float>(at.x() * ui::twipsPerPixelX()), static_cast<float>(at.y() * ui::twipsPerPixelY())};
}

}  // namespace brisance
