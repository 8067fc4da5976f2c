#pragma once
// The title of the module's message boxes.

#include "module/core/CLangLoader.h"

#include <string>

namespace brisance {

// The loader's TR_PROGRAM_TITLE text, or "Tessmark" when its library lacks it
// (or it has none open).
std::string ProgramTitle(const CLangLoader& loader);

}  // namespace brisance
