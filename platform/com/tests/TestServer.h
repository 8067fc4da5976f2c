#pragma once
// Test help: the test component library, registered in this test's machine root.

#include "platform/com/ServerLibraries.h"

#include <gtest/gtest.h>

namespace comtest {

inline platform::com::ServerEntryPoints registerTestComponent()
{
    platform::com::ServerEntryPoints server;
    EXPECT_EQ(platform::com::loadServer(TEST_COMPONENT_PATH, &server), platform::com::S_OK);
    EXPECT_TRUE(server.registerServer && server.registerServer() == platform::com::S_OK);
    return server;
}

}  // namespace comtest
