#pragma once
// Choosing the language library for the host's or the user's language, as the
// document does at initialisation and the combined report does for itself.

#include "module/core/CLanguages.h"

#include <cstdint>
#include <string>

namespace brisance {

// The language id to choose by: the host's, or the user's default language
// when the host gives 0 (also when there is no host).
std::int32_t LanguageIdForChoice(std::int32_t hostLanguageId);

// The Filename of the first language in list order that serves languageId;
// when none does, that of the fallback language (ID 24003, the last one in
// list order when several claim it); when there is none either, "".
std::string ChooseLanguageFile(const CLanguages& languages, std::int32_t languageId);

}  // namespace brisance
