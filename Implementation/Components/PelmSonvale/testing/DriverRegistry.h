#pragma once
// A driver in the registry's list of installed drivers, as its installer
// writes it: the subkey `name` with its library path, maker and name (the
// name left out when `complete` is false).

#include "PelmSonvale/RegistryKeys.h"
#include "platform/registry/Key.h"

#include <gtest/gtest.h>

#include <string>

namespace pelmsonvale::testing {

inline void registerDriver(const std::string& name, const std::string& path, bool complete = true)
{
    platform::registry::Key key;
    ASSERT_EQ(createKey(platform::registry::Root::LocalMachine, std::string(kDriversKey) + name,
                        platform::registry::Access::Write, key),
              platform::registry::Result::Success);
    key.setString("DriverPath", path);
    key.setString("Manufacturer", name + " maker");
    if (complete)
        key.setString("DriverName", name + " driver");
}

}  // namespace pelmsonvale::testing
