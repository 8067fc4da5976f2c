#include "module/testing/RegisterServer.h"

#include "platform/com/ServerLibraries.h"

#include <gtest/gtest.h>

#include <string>

namespace brisance::testing {

void registerServer(const std::filesystem::path& library)
{
    platform::com::ServerEntryPoints server;
    std::string error;
    ASSERT_EQ(platform::com::loadServer(library, &server, &error), platform::com::S_OK)
        << "cannot load " << library << ": " << error;
    ASSERT_TRUE(server.registerServer) << library << " has no registration entry point";
    ASSERT_EQ(server.registerServer(), platform::com::S_OK) << "cannot register " << library;
}

}  // namespace brisance::testing
