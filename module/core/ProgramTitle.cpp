#include "module/core/ProgramTitle.h"

#include "module/core/TextResources.h"

namespace brisance {

std::string ProgramTitle(const CLangLoader& loader)
{
    std::string title = loader.LoadResString(TR_PROGRAM_TITLE);
    return title.empty() ? std::string("Tessmark") : title;
}

}  // namespace brisance
