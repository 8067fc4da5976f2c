#pragma once
// Test help: every key below a key of HKEY_CLASSES_ROOT with its text values,
// as "path" -> {"value name" -> "text"} ("" is the default value).

#include "platform/registry/Key.h"

#include <map>
#include <string>

namespace comtest {

using KeyValues = std::map<std::string, std::string>;
using Tree = std::map<std::string, KeyValues>;

inline void collect(const platform::registry::Key& key, const std::string& path, Tree& tree)
{
    using platform::registry::Result;
    KeyValues& values = tree[path];
    std::string name;
    for (std::uint32_t i = 0; key.enumValue(i, name) == Result::Success; ++i) key.getString(name, values[name]);
    for (std::uint32_t i = 0; key.enumKey(i, name) == Result::Success; ++i) {
        platform::registry::Key child;
        if (key.openKey(name, platform::registry::Access::Read, child) == Result::Success)
            collect(child, path.empty() ? name : path + "\\" + name, tree);
    }
}

// The whole of HKEY_CLASSES_ROOT, without the root itself.
inline Tree classesRoot()
{
    Tree tree;
    collect(platform::registry::rootKey(platform::registry::Root::ClassesRoot), "", tree);
    tree.erase("");
    return tree;
}

}  // namespace comtest
