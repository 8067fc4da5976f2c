#pragma once
// Registers the test module's classes on this machine; its library's path
// comes from the test program's build (TEST_MODULE_PATH).

#include "platform/com/ServerLibraries.h"

#include <gtest/gtest.h>

namespace host::testing {

inline void registerTestModule()
{
    platform::com::ServerEntryPoints entryPoints;
    ASSERT_EQ(platform::com::loadServer(TEST_MODULE_PATH, &entryPoints), platform::com::S_OK);
    ASSERT_EQ(entryPoints.registerServer(), platform::com::S_OK);
}

}  // namespace host::testing
