#include "module/core/ReadRegistryString.h"

#include "platform/registry/Key.h"

#include <algorithm>

namespace brisance {

std::string ReadRegistryString(platform::registry::Root root, std::string_view subKey, std::string_view valueName)
{
    using namespace platform::registry;
    Key key;
    if (openKey(root, subKey, Access::Read, key) != Result::Success)
        return {};
    Value value;
    if (key.queryValue(valueName, value) != Result::Success || value.type != ValueType::Sz)
        return std::string(kNotString);
    const auto end = std::ranges::find(value.data, std::uint8_t{0});
    return std::string(value.data.begin(), end);
}

}  // namespace brisance
