#include "module/core/EnumerateLanguages.h"

#include "module/core/CLangLoader.h"
#include "module/core/TextResources.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/StringCompare.h"

#include <filesystem>
#include <set>
#include <system_error>

namespace brisance {
namespace {

namespace fs = std::filesystem;

// A damaged 24000 text makes a language without a usable name id, never a
// failed scan.
std::int32_t languageNameIdOf(const std::string& text)
{
    try {
        return platform::runtime::CLng(platform::runtime::Val(text));
    } catch (const platform::runtime::RuntimeError&) {
        return 0;
    }
}

bool isLibraryFile(const fs::directory_entry& entry)
{
    std::error_code error;
    return entry.path().extension() == ".so" && entry.is_regular_file(error);
}

}  // namespace

void EnumerateLanguages(CLanguages& languages, const std::string& languageFolder)
{
    CLangLoader loader;
    std::set<std::string> scanned;
    std::error_code error;
    for (fs::directory_iterator file(languageFolder, error), end; !error && file != end; file.increment(error)) {
        if (!isLibraryFile(*file))
            continue;
        const std::string name = file->path().filename().string();
        // Keys ignore letter case, and this file system can hold two names
        // that differ only in it: the second would be a duplicate key.
        if (scanned.contains(platform::runtime::foldCase(name)))
            continue;
        if (!loader.OpenResourceLibrary((fs::path(languageFolder) / name).string()))
            continue;
        const auto language = languages.Add(languageNameIdOf(loader.LoadResString(TR_RESERVED_DO_NOT_TRANSLATE1)), name, name);
        language->SetSupportedLocales(loader.LoadResString(TR_RESERVED_DO_NOT_TRANSLATE2));
        scanned.insert(platform::runtime::foldCase(name));
        loader.CloseResourceLibrary();
    }
}

}  // namespace brisance
