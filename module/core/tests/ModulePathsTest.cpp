#include "module/core/ModulePaths.h"

#include "module/core/ReadRegistryString.h"
#include "module/core/UserPreferences.h"
#include "module/core/tests/CoreTestSupport.h"

#include "platform/machine/MachineRoot.h"
#include "platform/registry/Key.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace brisance {
namespace {

using namespace platform::registry;
namespace fs = std::filesystem;

constexpr const char* kCurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kInCommonFiles = "/ORVEL Shared/Profiles/Default.profile";

Key CurrentVersionKey()
{
    Key key;
    EXPECT_EQ(createKey(Root::LocalMachine, kCurrentVersion, Access::Write, key), Result::Success);
    return key;
}

void SetCommonFilesDir(const std::string& folder)
{
    EXPECT_EQ(CurrentVersionKey().setString("CommonFilesDir", folder), Result::Success);
}

TEST(ModuleStartUp, FixesTheDefaultProfilePathOnceWhileTheRegistryIsReadAnew)
{
    const platform::testing::TemporaryFolder programFolder;
    const ProgramFolderForTests useIt(programFolder.path());
    const auto shared = testing::ProfileRecord(platform::runtime::Variant("shared"));
    testing::WriteFile(testing::SharedProfileFile(), shared);

    const std::string atStartUp = GetModulePaths().defaultProfilePath;
    EXPECT_EQ(atStartUp, testing::SharedProfileFile().generic_string());

    const platform::testing::TemporaryFolder otherCommonFiles;
    SetCommonFilesDir(otherCommonFiles.path().generic_string());
    EXPECT_EQ(GetModulePaths().defaultProfilePath, atStartUp);
    EXPECT_EQ(GetDefaultProfilePath(), otherCommonFiles.path().generic_string() + kInCommonFiles);
    platform::runtime::Variant value;
    ASSERT_TRUE(ReadDefaultProfileFile(value));
    EXPECT_EQ(value, platform::runtime::Variant("shared"));
}

TEST(ModuleStartUp, FindsItsFoldersInTheProgramFolderAndUnderTheMachineRoot)
{
    const platform::testing::TemporaryFolder programFolder;
    const ProgramFolderForTests useIt(programFolder.path());
    const fs::path users = platform::machine::root() / "Users";
    ASSERT_FALSE(fs::exists(users));

    const ModulePaths& paths = GetModulePaths();
    EXPECT_EQ(paths.programFolder, programFolder.path().generic_string());
    EXPECT_EQ(paths.languageFolder, programFolder.path().generic_string() + "/Language Resources/");
    const fs::path userFolder(paths.userFolder);
    EXPECT_TRUE(fs::is_directory(userFolder)) << "created at start-up";
    EXPECT_EQ(userFolder.filename(), "Brisance");
    EXPECT_EQ(userFolder.parent_path().parent_path(), users) << "Users/<login name>/Brisance";
    EXPECT_EQ(paths.underlayPath, paths.userFolder + "/Underlay.emf");
}

TEST(ModuleStartUp, AnotherMachineRootGetsPathsOfItsOwnAndTheFirstOnesStay)
{
    const ModulePaths& first = GetModulePaths();
    const std::string firstUserFolder = first.userFolder;
    {
        const platform::testing::ScopedMachineRoot other;
        const ModulePaths& second = GetModulePaths();
        EXPECT_EQ(fs::path(second.userFolder).parent_path().parent_path(), other.path() / "Users");
        EXPECT_TRUE(fs::is_directory(second.userFolder));
        EXPECT_EQ(second.programFolder, first.programFolder);
        EXPECT_EQ(first.userFolder, firstUserFolder) << "a path handed out earlier stays as it was";
    }
    EXPECT_EQ(&GetModulePaths(), &first) << "back in the first machine root, its paths again";
}

TEST(ModuleStartUp, TheProgramFolderIsTheLibrarysFolder)
{
    EXPECT_EQ(fs::path(GetModulePaths().programFolder), fs::path(BRISANCE_LIBRARY_PATH).parent_path());
}

TEST(DefaultProfilePath, FollowsTheCommonFilesDirValue)
{
    const std::string notString = std::string(kNotString) + kInCommonFiles;
    const std::string longFolder = "/" + std::string(299, 'c');
    struct Case {
        const char* name;
        std::function<void(const Key&)> state;
        std::string path;
    };
    const Case cases[] = {
        {"a folder", [](const Key& key) { key.setString("CommonFilesDir", "/srv/common"); },
         "/srv/common" + std::string(kInCommonFiles)},
        {"no key", [](const Key&) { deleteKey(Root::LocalMachine, kCurrentVersion); }, ""},
        {"no value", [](const Key& key) { key.deleteValue("CommonFilesDir"); }, notString},
        {"a number", [](const Key& key) { key.setDword("CommonFilesDir", 7); }, notString},
        {"an expandable text", [](const Key& key) { key.setString("CommonFilesDir", "%CF%", ValueType::ExpandSz); },
         notString},
        {"an empty text", [](const Key& key) { key.setString("CommonFilesDir", ""); }, ""},
        {"300 characters", [&](const Key& key) { key.setString("CommonFilesDir", longFolder); },
         longFolder + kInCommonFiles},
    };
    for (const Case& c : cases) {
        c.state(CurrentVersionKey());
        EXPECT_EQ(GetDefaultProfilePath(), c.path) << c.name;
    }
}

TEST(IsDebugMode, LooksForTheMarkerFileAtEveryCall)
{
    const platform::testing::TemporaryFolder programFolder;
    const ProgramFolderForTests useIt(programFolder.path());
    EXPECT_FALSE(IsDebugMode());
    testing::WriteFile(programFolder.path() / "debug.debug", {});
    EXPECT_TRUE(IsDebugMode());
    fs::remove(programFolder.path() / "debug.debug");
    EXPECT_FALSE(IsDebugMode());
}

}  // namespace
}  // namespace brisance
