#include "platform/com/ServerLibraries.h"
#include "platform/com/tests/RegistryTree.h"
#include "platform/com/tests/component/TestInterfaces.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

using namespace platform::com;
using namespace testcomponent;
using comtest::Tree;

const std::string kLibrary = std::filesystem::weakly_canonical(TEST_COMPONENT_PATH).string();
const std::string kCounterKey = "CLSID\\{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E01}";
const std::string kRefusingKey = "CLSID\\{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E02}";

const Tree kRegistered = {
    {"CLSID", {}},
    {kCounterKey, {{"", "Counter Class"}}},
    {kCounterKey + "\\InprocServer32", {{"", kLibrary}, {"ThreadingModel", "Apartment"}}},
    {kCounterKey + "\\Programmable", {}},
    {kCounterKey + "\\MiscStatus", {{"", "0"}}},
    {kCounterKey + "\\MiscStatus\\1", {{"", "131473"}}},
    {kCounterKey + "\\ToolboxBitmap32", {{"", kLibrary + ", 101"}}},
    {kCounterKey + "\\ProgID", {{"", "BrisanceTest.Counter.1"}}},
    {kCounterKey + "\\VersionIndependentProgID", {{"", "BrisanceTest.Counter"}}},
    {"BrisanceTest.Counter.1", {{"", "Counter Class"}}},
    {"BrisanceTest.Counter.1\\CLSID", {{"", "{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E01}"}}},
    {"BrisanceTest.Counter", {{"", "Counter Class"}}},
    {"BrisanceTest.Counter\\CLSID", {{"", "{6A1E2C40-3B7D-4E55-9C21-0D8F4A6B7E01}"}}},
    {"BrisanceTest.Counter\\CurVer", {{"", "BrisanceTest.Counter.1"}}},
    {kRefusingKey, {{"", "Refusing Class"}}},
    {kRefusingKey + "\\InprocServer32", {{"", kLibrary}, {"ThreadingModel", "Apartment"}}},
};

ServerEntryPoints testServer()
{
    ServerEntryPoints server;
    EXPECT_EQ(loadServer(kLibrary, &server), S_OK);
    return server;
}

TEST(Registration, RegisteringWritesExactlyTheClassKeysAndUnregisteringRemovesThem)
{
    const ServerEntryPoints server = testServer();
    const Tree before = comtest::classesRoot();
    ASSERT_EQ(server.registerServer(), S_OK);
    EXPECT_EQ(comtest::classesRoot(), kRegistered);
    ASSERT_EQ(server.registerServer(), S_OK) << "registering twice";
    EXPECT_EQ(comtest::classesRoot(), kRegistered);

    ASSERT_EQ(server.unregisterServer(), S_OK);
    Tree after = comtest::classesRoot();
    after.erase("CLSID");  // the shared parent stays
    EXPECT_EQ(after, before);
    EXPECT_EQ(server.unregisterServer(), S_OK) << "unregistering what is gone";
}

TEST(Registration, AProgIdTakenOverByAnotherClassIsLeftAlone)
{
    const ServerEntryPoints server = testServer();
    ASSERT_EQ(server.registerServer(), S_OK);
    platform::registry::Key key;
    ASSERT_EQ(platform::registry::createKey(platform::registry::Root::ClassesRoot, "BrisanceTest.Counter\\CLSID",
                                            platform::registry::Access::Write, key),
              platform::registry::Result::Success);
    key.setString("", "{11111111-2222-3333-4444-555555555555}");
    ASSERT_EQ(server.unregisterServer(), S_OK);
    const Tree after = comtest::classesRoot();
    EXPECT_TRUE(after.contains("BrisanceTest.Counter\\CLSID"));
    EXPECT_FALSE(after.contains("BrisanceTest.Counter.1"));
    EXPECT_FALSE(after.contains(kCounterKey));
}

TEST(Registration, TheRegistrationToolRegistersAndUnregistersALibrary)
{
    const std::string tool = std::string(REGSVR_PATH) + " -s ";
    ASSERT_EQ(std::system((tool + "'" + kLibrary + "'").c_str()), 0);
    EXPECT_EQ(comtest::classesRoot(), kRegistered);
    ASSERT_EQ(std::system((tool + "-u '" + kLibrary + "'").c_str()), 0);
    EXPECT_EQ(comtest::classesRoot(), (Tree{{"CLSID", {}}}));

    EXPECT_NE(std::system((tool + "'" + TEST_PLAIN_LIBRARY_PATH + "' 2>/dev/null").c_str()), 0);
    EXPECT_NE(std::system((tool + "2>/dev/null").c_str()), 0);
}

}  // namespace
