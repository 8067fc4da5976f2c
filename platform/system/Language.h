#pragma once
// The user's language as the platform's numeric language ids (0x0409 for
// English, United States; 0x0407 for German, Germany; ...).

#include <cstdint>
#include <string>

namespace platform::system {

using LanguageId = std::uint16_t;

inline constexpr LanguageId kEnglishUnitedStates = 0x0409;

// The language id of a POSIX locale name such as "de_DE.UTF-8" or "fr":
// the language with its country when the country is known, else the
// language's main country; kEnglishUnitedStates for "C", "POSIX", "" and
// languages that have no id here.
LanguageId languageIdForLocale(const std::string& locale);

// The language id of this process's locale, from LC_ALL, LC_MESSAGES or LANG
// (the first one set).
LanguageId userDefaultLanguageId();

}  // namespace platform::system
