#include "driver/ErrorBox.h"

#include "driver/TextIds.h"
#include "platform/registry/Registry.h"
#include "platform/ui/MessageBox.h"

namespace marlet {

void showSetupError(QWidget* owner, const TextTable& texts, const std::string& text)
{
    platform::ui::messageBox(owner, text, texts.text(TextPortSetupError), platform::ui::MB_OK);
}

void showConnectFailure(const TextTable& texts, const std::string& lastError)
{
    const std::string blanks(10, ' ');
    platform::ui::messageBox(nullptr, blanks + lastError + blanks, texts.text(TextPortSetupError),
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
