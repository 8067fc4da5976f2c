#pragma once
// A driver in the registry's list of installed drivers, as its installer
// writes it: the subkey `name` with its library path, maker and name (the
// name left out when `complete` is false); and the installer's announcement
// to a running link that the list has changed.

#include "Implementation/Components/PelmSonvale/LinkMessages.h"
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

// Posts the link's request to read its list again to the window whose handle
// the link published; the link handles it when its thread delivers messages.
inline void announceDriverChange()
{
    platform::registry::Key key;
    std::uint32_t window = 0;
    ASSERT_EQ(openKey(platform::registry::Root::LocalMachine, std::string(kSonvaleKey),
                      platform::registry::Access::Read, key),
              platform::registry::Result::Success);
    key.getDword("ActiveWindowHandle", window);
    ASSERT_TRUE(platform::system::postMessage(window, WM_LINK_REFRESHDRIVERS)) << "no link has published its window";
}

}  // namespace pelmsonvale::testing
