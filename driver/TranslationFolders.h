#pragma once
// Where "translate.txt" is looked for: the library's own folder, then the
// folder that the setting "TranslationFolder" of section "Default" names
// (HKEY_CURRENT_USER "Software\Pelmworks\<library name>\Default"), when set.

#include <filesystem>
#include <string>
#include <vector>

namespace marlet {

std::vector<std::filesystem::path> translationFolders(const std::filesystem::path& libraryFolder,
                                                      const std::string& libraryName);

}  // namespace marlet
