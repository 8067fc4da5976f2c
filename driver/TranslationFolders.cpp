#include "driver/TranslationFolders.h"

#include "platform/registry/Profile.h"

namespace marlet {

std::vector<std::filesystem::path> translationFolders(const std::filesystem::path& libraryFolder,
                                                      const std::string& libraryName)
{
    std::vector<std::filesystem::path> folders{libraryFolder};
    const std::string fallback =
        platform::registry::Profile("Pelmworks", libraryName).getString("Default", "TranslationFolder", "");
    if (!fallback.empty())
        folders.emplace_back(fallback);
    return folders;
}

}  // namespace marlet
