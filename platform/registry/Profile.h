#pragma once
// An application's own settings as text entries: HKEY_CURRENT_USER
// "Software\<maker>\<application>\<section>", one REG_SZ value per entry.
// Both calls may throw RegistryError when the registry file cannot be used.

#include "platform/registry/Registry.h"

#include <string>
#include <string_view>

namespace platform::registry {

class Profile {
public:
    Profile(std::string maker, std::string application);

    // The entry's text; `fallback` when the section or entry is missing, or the
    // value is not text (REG_SZ or REG_EXPAND_SZ).
    std::string getString(std::string_view section, std::string_view entry,
                          std::string_view fallback) const;
    // Creates the section when missing. InvalidParameter for an empty section
    // or entry name.
    Result writeString(std::string_view section, std::string_view entry, std::string_view text) const;

private:
    std::string m_path;
};

}  // namespace platform::registry
