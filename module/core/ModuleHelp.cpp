#include "module/core/ModuleHelp.h"

#include "platform/ui/Help.h"

#include <utility>

namespace brisance {

namespace {

std::string& helpPath()
{
    static std::string* const path = new std::string;
    return *path;
}

}  // namespace

const std::string& HelpPath()
{
    return helpPath();
}

void SetHelpPath(std::string path)
{
    helpPath() = std::move(path);
}

void ShowContextHelp(QWidget* dialog, int contextId)
{
    platform::ui::htmlHelp(dialog, HelpPath(), platform::ui::HH_HELP_CONTEXT, contextId);
}

}  // namespace brisance
