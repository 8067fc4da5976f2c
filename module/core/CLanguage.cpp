#include "module/core/CLanguage.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>

namespace brisance {
namespace {

bool leadingNumberIs(const std::string& part, std::int32_t value)
{
    try {
        return platform::runtime::Val(part) == value;
    } catch (const platform::runtime::RuntimeError&) {
        return false;  // a number too large for any language id
    }
}

}  // namespace

void CLanguage::SetSupportedLocales(const std::string& str)
{
    m_locales.clear();
    if (str.empty())
        return;
    std::string::size_type start = 0;
    for (;;) {
        const auto comma = str.find(',', start);
        m_locales.push_back(str.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
}

bool CLanguage::IsLanguageSupported(std::int32_t LangID) const
{
    return std::ranges::any_of(m_locales, [LangID](const std::string& part) { return leadingNumberIs(part, LangID); });
}

}  // namespace brisance
