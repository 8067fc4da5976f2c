// The host's classes on a machine root that this process may not write to.

#include "host/HostServer.h"

#include "platform/com/HResult.h"
#include "platform/registry/Key.h"
#include "platform/sqlite/Connection.h"
#include "platform/testing/ReadOnlyFolder.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

void throwFailure(const platform::sqlite::Failure& failure)
{
    throw std::runtime_error(failure.message);
}

// The bytes of a machine's registry, with the host's classes or without, all
// of it in the main file as a host leaves it when it ends.
std::string registryOfAMachine(bool hostRegistered)
{
    const platform::testing::ScopedMachineRoot machine;
    if (hostRegistered) {
        EXPECT_EQ(host::registerHostServer(), platform::com::S_OK);
    } else {
        platform::registry::Key key;
        platform::registry::createKey(platform::registry::Root::LocalMachine, "SOFTWARE\\Pelmworks",
                                      platform::registry::Access::Write, key);
    }
    const fs::path file = machine.path() / "registry.db";
    platform::sqlite::Connection(file, throwFailure).execute("PRAGMA wal_checkpoint(TRUNCATE)");
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(HostServer, RegisteredClassesServeFromAReadOnlyRootAndOthersNameTheFileAndTheCause)
{
    const struct {
        const char* what;
        bool registered;
    } cases[] = {{"registered already", true}, {"not registered", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string registry = registryOfAMachine(c.registered);
        const platform::testing::ScopedMachineRoot machine;
        fs::create_directory(machine.path() / "Common Files");
        std::ofstream(machine.path() / "registry.db", std::ios::binary) << registry;
        const platform::testing::ReadOnlyFolder readOnly(machine.path());

        std::string why;
        const platform::com::HRESULT hr = host::registerHostServer(&why);
        if (c.registered) {
            EXPECT_EQ(hr, platform::com::S_OK) << why;
        } else {
            EXPECT_TRUE(platform::com::failed(hr));
            EXPECT_NE(why.find((machine.path() / "registry.db").string()), std::string::npos) << why;
            EXPECT_NE(why.find("read-only"), std::string::npos) << why;
        }
    }
}

}  // namespace
