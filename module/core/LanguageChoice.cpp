#include "module/core/LanguageChoice.h"

#include "module/core/TextResources.h"
#include "platform/system/Language.h"

namespace brisance {

std::int32_t LanguageIdForChoice(std::int32_t hostLanguageId)
{
    return hostLanguageId != 0 ? hostLanguageId : platform::system::userDefaultLanguageId();
}

std::string ChooseLanguageFile(const CLanguages& languages, std::int32_t languageId)
{
    std::string fallback;
    for (const auto& language : languages) {
        if (language->IsLanguageSupported(languageId))
            return language->Filename();
        if (language->ID() == TR_ENGLISH_UNITED_STATES)
            fallback = language->Filename();
    }
    return fallback;
}

}  // namespace brisance
