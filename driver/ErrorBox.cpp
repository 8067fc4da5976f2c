#include "driver/ErrorBox.h"

#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"

namespace marlet {

namespace {

constexpr int kTitle = 5601;

}  // namespace

void showSetupError(QWidget* owner, const TextTable& texts, const std::string& text)
{
    platform::ui::messageBox(owner, text, texts.text(kTitle), platform::ui::MB_OK);
}

void showConnectFailure(const TextTable& texts, const std::string& lastError)
{
    const std::string blanks(10, ' ');
    platform::ui::messageBox(nullptr, blanks + lastError + blanks, texts.text(kTitle),
                             platform::ui::MB_OK | platform::ui::MB_SYSTEMMODAL);
}

bool saveOrTell(QWidget* owner, const TextTable& texts, const std::function<void()>& save)
{
    try {
        save();
        return true;
    } catch (const platform::registry::RegistryError& error) {
        showSetupError(owner, texts, error.what());
        return false;
    }
}

}  // namespace marlet
