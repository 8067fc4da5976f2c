#include "module/core/ShowRaisedError.h"

#include "platform/ui/MessageBox.h"

#include <string>

namespace brisance {

void ShowRaisedError(QWidget* owner, const platform::runtime::RuntimeError& error)
{
    platform::ui::messageBox(owner,
                             "An error has occurred: " + error.description() + " " + std::to_string(error.number()),
                             "", platform::ui::MB_ICONSTOP);
}

void RunShowingRaisedError(QWidget* owner, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const platform::runtime::RuntimeError& error) {
        ShowRaisedError(owner, error);
    }
}

}  // namespace brisance
