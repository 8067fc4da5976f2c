#include "module/document/ModuleVersion.h"

namespace brisance {

std::string VersionPanelText()
{
    return "Version: " + std::to_string(BRISANCE_VERSION_MAJOR) + ".0  (" + std::to_string(BRISANCE_VERSION_REVISION) +
           ")";
}

}  // namespace brisance
