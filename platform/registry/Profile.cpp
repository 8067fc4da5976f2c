#include "platform/registry/Profile.h"

#include "platform/registry/Key.h"

#include <utility>

namespace platform::registry {

namespace {

std::string sectionPath(const std::string& applicationPath, std::string_view section)
{
    return applicationPath + "\\" + std::string(section);
}

}  // namespace

Profile::Profile(std::string maker, std::string application)
    : m_path("Software\\" + std::move(maker) + "\\" + std::move(application))
{
}

std::string Profile::getString(std::string_view section, std::string_view entry,
                               std::string_view fallback) const
{
    Key key;
    std::string text;
    if (section.empty() || entry.empty()
        || openKey(Root::CurrentUser, sectionPath(m_path, section), Access::Read, key) != Result::Success
        || key.getString(entry, text) != Result::Success)
        return std::string(fallback);
    return text;
}

Result Profile::writeString(std::string_view section, std::string_view entry, std::string_view text) const
{
    if (section.empty() || entry.empty())
        return Result::InvalidParameter;
    Key key;
    if (const Result created = createKey(Root::CurrentUser, sectionPath(m_path, section), Access::Write, key);
        created != Result::Success)
        return created;
    return key.setString(entry, text);
}

}  // namespace platform::registry
