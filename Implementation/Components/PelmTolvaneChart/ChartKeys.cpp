#include "ChartKeys.h"

#include <QKeyEvent>

#include <algorithm>

namespace lumenplot {

namespace {

// Plus and minus have a key of their own on the keypad, with another code.
enum class Keypad { Either, On, Off };

struct KeyCode {
    int qtKey;
    Keypad keypad;
    int virtualKey;
};

constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Return, Keypad::Either, virtual_key::Return},
    {Qt::Key_Enter, Keypad::Either, virtual_key::Return},
    {Qt::Key_Space, Keypad::Either, virtual_key::Space},
    {Qt::Key_Left, Keypad::Either, virtual_key::Left},
    {Qt::Key_Up, Keypad::Either, virtual_key::Up},
    {Qt::Key_Right, Keypad::Either, virtual_key::Right},
    {Qt::Key_Down, Keypad::Either, virtual_key::Down},
    {Qt::Key_Plus, Keypad::On, virtual_key::Add},
    {Qt::Key_Plus, Keypad::Off, virtual_key::OemPlus},
    {Qt::Key_Equal, Keypad::Either, virtual_key::OemPlus},
    {Qt::Key_Minus, Keypad::On, virtual_key::Subtract},
    {Qt::Key_Minus, Keypad::Off, virtual_key::OemMinus},
};

bool matches(const KeyCode& code, const QKeyEvent& event)
{
    if (code.qtKey != event.key()) return false;
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    return code.keypad == Keypad::Either || keypad == (code.keypad == Keypad::On);
}

}  // namespace

int virtualKeyOf(const QKeyEvent& event)
{
    const auto* found = std::find_if(std::begin(kKeyCodes), std::end(kKeyCodes),
                                     [&event](const KeyCode& code) { return matches(code, event); });
    return found != std::end(kKeyCodes) ? found->virtualKey : 0;
}

}  // namespace lumenplot
