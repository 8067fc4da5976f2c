#include "platform/system/Paths.h"

#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>

namespace {

using namespace platform::system;

TEST(Paths, AppendJoinsWithOneSlash)
{
    struct Case {
        const char* folder;
        const char* more;
        const char* expected;
    };
    for (const Case& c : {
             Case{"/drivers/marlet", "setup.sh", "/drivers/marlet/setup.sh"},
             Case{"/drivers/marlet/", "setup.sh", "/drivers/marlet/setup.sh"},
             Case{"/drivers/marlet//", "/bin/setup.sh", "/drivers/marlet/bin/setup.sh"},
             Case{"/", "setup.sh", "/setup.sh"},
             Case{"", "setup.sh", "setup.sh"},
             Case{"/drivers", "", "/drivers"},
         })
        EXPECT_EQ(appendPath(c.folder, c.more), c.expected) << c.folder << " + " << c.more;
    EXPECT_EQ(appendPath("/drivers", std::string(PATH_MAX, 'x')), std::nullopt);
}

TEST(Paths, RemoveFileSpecLeavesTheFolder)
{
    struct Case {
        const char* path;
        const char* expected;
    };
    for (const Case& c : {
             Case{"/drivers/marlet/install.ini", "/drivers/marlet"},
             Case{"/install.ini", "/"},
             Case{"install.ini", ""},
             Case{"/drivers/marlet/", "/drivers/marlet"},
         })
        EXPECT_EQ(removeFileSpec(c.path), c.expected) << c.path;
}

TEST(Paths, TellsExistingPathsFromReadableFiles)
{
    platform::testing::TemporaryFolder folder;
    const std::string file = (folder.path() / "install.ini").string();
    std::ofstream(file) << "[ModuleInfo]\n";
    EXPECT_TRUE(pathExists(file));
    EXPECT_TRUE(isReadableFile(file));
    EXPECT_TRUE(pathExists(folder.path().string()));
    EXPECT_FALSE(isReadableFile(folder.path().string()));
    EXPECT_FALSE(pathExists(file + ".missing"));
    EXPECT_FALSE(isReadableFile(file + ".missing"));
    EXPECT_FALSE(pathExists(""));
}

}  // namespace
