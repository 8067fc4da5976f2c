#pragma once
// The library's version, stamped in from the project's version at build time.

#include <string>

namespace brisance {

// "Version: " + the major number + ".0" + "  (" + the revision + ")": the
// project version's third number is the revision, 0 when it has none.
std::string VersionPanelText();

}  // namespace brisance
