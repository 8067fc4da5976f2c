#include "module/core/CLanguages.h"

#include <optional>

namespace brisance {

CLanguages::Entry CLanguages::Add(std::int32_t ID, const std::string& Filename, const std::string& sKey)
{
    auto language = std::make_shared<CLanguage>();
    language->ID(ID);
    language->Filename(Filename);
    m_items.Add(language, sKey.empty() ? std::nullopt : std::optional<std::string>(sKey));
    return language;
}

CLanguages::Entry CLanguages::Item(const platform::runtime::Variant& vntIndexKey) const
{
    return m_items.Item(vntIndexKey);
}

std::int32_t CLanguages::Count() const
{
    return m_items.Count();
}

void CLanguages::Remove(const platform::runtime::Variant& vntIndexKey)
{
    m_items.Remove(vntIndexKey);
}

}  // namespace brisance
