#pragma once
// The title of the module's message boxes.

#include "module/core/CLangLoader.h"

#include <string>

namespace brisance {

// The loader's TR_PROGRAM_TITLE text, or "Tessmark" when its library lacks it
// (or it has none open).
std::string ProgramTitle(const CLangLoader& loader);

}  // namespace brisance

namespace brisance {

// The default title of the module's message boxes: ProgramTitle of the UI
// text loader, "Tessmark" while there is none.
std::string ModuleMessageTitle();

}  // namespace brisance
