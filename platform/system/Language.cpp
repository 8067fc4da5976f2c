#include "platform/system/Language.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <string_view>

namespace platform::system {

namespace {

struct LocaleLanguage {
    std::string_view language;
    std::string_view country;  // empty: the language's main country
    LanguageId id;
};

// Specific countries before the language's main one.
constexpr std::array kLanguages{
    LocaleLanguage{"en", "GB", 0x0809}, LocaleLanguage{"en", "AU", 0x0C09}, LocaleLanguage{"en", "CA", 0x1009},
    LocaleLanguage{"en", "", 0x0409},   LocaleLanguage{"de", "AT", 0x0C07}, LocaleLanguage{"de", "CH", 0x0807},
    LocaleLanguage{"de", "", 0x0407},   LocaleLanguage{"da", "", 0x0406},   LocaleLanguage{"nl", "BE", 0x0813},
    LocaleLanguage{"nl", "", 0x0413},   LocaleLanguage{"fr", "BE", 0x080C}, LocaleLanguage{"fr", "CA", 0x0C0C},
    LocaleLanguage{"fr", "CH", 0x100C}, LocaleLanguage{"fr", "", 0x040C},   LocaleLanguage{"it", "CH", 0x0810},
    LocaleLanguage{"it", "", 0x0410},   LocaleLanguage{"nb", "", 0x0414},   LocaleLanguage{"no", "", 0x0414},
    LocaleLanguage{"nn", "", 0x0814},   LocaleLanguage{"es", "MX", 0x080A}, LocaleLanguage{"es", "", 0x0C0A},
    LocaleLanguage{"sv", "FI", 0x081D}, LocaleLanguage{"sv", "", 0x041D},   LocaleLanguage{"fi", "", 0x040B},
    LocaleLanguage{"pt", "BR", 0x0416}, LocaleLanguage{"pt", "", 0x0816},   LocaleLanguage{"ja", "", 0x0411},
    LocaleLanguage{"zh", "TW", 0x0404}, LocaleLanguage{"zh", "HK", 0x0C04}, LocaleLanguage{"zh", "", 0x0804},
    LocaleLanguage{"hu", "", 0x040E},
};

std::string lowerCase(std::string_view text)
{
    std::string result;
    for (char c : text)
        result += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::string upperCase(std::string_view text)
{
    std::string result;
    for (char c : text)
        result += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

}  // namespace

LanguageId languageIdForLocale(const std::string& locale)
{
    // "language_COUNTRY.encoding@modifier"
    const std::string_view name = std::string_view(locale).substr(0, locale.find_first_of(".@"));
    const std::size_t underscore = name.find('_');
    const std::string language = lowerCase(name.substr(0, underscore));
    const std::string country = underscore == std::string_view::npos ? "" : upperCase(name.substr(underscore + 1));
    for (const LocaleLanguage& entry : kLanguages) {
        if (entry.language == language && (entry.country.empty() || entry.country == country))
            return entry.id;
    }
    return kEnglishUnitedStates;
}

LanguageId userDefaultLanguageId()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(variable); value && *value)
            return languageIdForLocale(value);
    }
    return kEnglishUnitedStates;
}

}  // namespace platform::system
