#include "platform/machine/MachineRoot.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using platform::testing::ScopedMachineRoot;

TEST(MachineRoot, FollowsTheEnvironmentVariableAndCreatesTheFolder)
{
    ScopedMachineRoot scoped;
    std::filesystem::remove_all(scoped.path());
    EXPECT_EQ(platform::machine::root(), scoped.path());
    EXPECT_TRUE(std::filesystem::is_directory(scoped.path()));
    EXPECT_EQ(platform::machine::commonFilesDir(), scoped.path() / "Common Files");
    EXPECT_TRUE(std::filesystem::is_directory(scoped.path() / "Common Files"));
}

TEST(MachineRoot, DefaultsToTheUsersDataFolderWhenUnset)
{
    ScopedMachineRoot scoped;  // restores the variable afterwards
    ::unsetenv(platform::machine::kRootVariable);
    const char* xdgBefore = std::getenv("XDG_DATA_HOME");
    const std::string saved = xdgBefore ? xdgBefore : "";
    ::setenv("XDG_DATA_HOME", scoped.path().c_str(), 1);
    EXPECT_EQ(platform::machine::root(), scoped.path() / "brisance" / "machine");
    if (xdgBefore)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
