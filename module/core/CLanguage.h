#pragma once
// One language library found in the language folder: its file name, the
// TextResources id of its language's name, and the platform language ids that
// it serves.

#include <cstdint>
#include <string>
#include <vector>

namespace brisance {

class CLanguage {
public:
    // The library's file name in the language folder, with its extension.
    const std::string& Filename() const { return m_filename; }
    void Filename(std::string value) { m_filename = std::move(value); }

    // The library's text 24000 as a number: 24003 marks the fallback language.
    std::int32_t ID() const { return m_id; }
    void ID(std::int32_t value) { m_id = value; }

    // Keeps the parts of a list such as "1031,2055,3079"; an empty text keeps none.
    void SetSupportedLocales(const std::string& str);
    // True when the leading number of one of the kept parts is LangID, so that
    // blanks and trailing words in a part do not matter.
    bool IsLanguageSupported(std::int32_t LangID) const;

private:
    std::string m_filename;
    std::int32_t m_id = 0;
    std::vector<std::string> m_locales;
};

}  // namespace brisance
