#include "platform/ui/Sound.h"

#include "platform/ui/TestResponder.h"

#include <QApplication>

#include <algorithm>
#include <array>
#include <string_view>

namespace platform::ui {
namespace {

constexpr std::array<std::string_view, 6> kAliases = {
    "SystemQuestion", "SystemExclamation", "SystemAsterisk", "SystemHand", "SystemDefault", ".Default",
};

}  // namespace

bool playSystemSound(const std::string& alias)
{
    if (std::find(kAliases.begin(), kAliases.end(), alias) == kAliases.end())
        return false;
    if (TestResponder* responder = TestResponder::current()) {
        responder->respond({DialogKind::Sound, alias, {}, 0});
        return true;
    }
    // The desktop offers one sound to every application: the bell.
    if (qApp)
        QApplication::beep();
    return true;
}

}  // namespace platform::ui
