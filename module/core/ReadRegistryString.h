#pragma once
// Reading one text value out of the registry, as the module's start-up does
// for the machine's Common Files folder.

#include "platform/registry/Registry.h"

#include <string>
#include <string_view>

namespace brisance {

// What ReadRegistryString gives for a value that cannot be read as a text.
inline constexpr std::string_view kNotString = "--Not String--";

// The text of a REG_SZ value, whole, without its terminating zero ("" for an
// empty value). The empty text when the key cannot be opened for reading;
// kNotString when the value is missing or of another type (REG_EXPAND_SZ
// included).
std::string ReadRegistryString(platform::registry::Root root, std::string_view subKey, std::string_view valueName);

}  // namespace brisance
