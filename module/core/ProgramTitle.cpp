#include "module/core/ProgramTitle.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"

namespace brisance {

std::string ProgramTitle(const CLangLoader& loader)
{
    std::string title = loader.LoadResString(TR_PROGRAM_TITLE);
    return title.empty() ? std::string("Tessmark") : title;
}

}  // namespace brisance

namespace brisance {

std::string ModuleMessageTitle()
{
    if (const auto loader = ModuleGlobals::UiTextLoader())
        return ProgramTitle(*loader);
    return ProgramTitle(CLangLoader());
}

}  // namespace brisance
