#include "platform/system/StringTable.h"

#include "platform/system/Utf8.h"

namespace platform::system {

std::string loadString(const Library& library, std::uint32_t id, std::size_t maxCharacters)
{
    using Lookup = const char*(unsigned);
    const char* text = callGuarded<const char*>(nullptr, library.function<Lookup>(kStringTableLookupName), id);
    return text ? firstCharacters(text, maxCharacters) : std::string();
}

}  // namespace platform::system
