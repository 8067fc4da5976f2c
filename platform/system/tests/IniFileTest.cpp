#include "platform/system/IniFile.h"

#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace {

using namespace platform::system;

class IniFile : public ::testing::Test {
protected:
    std::string write(const std::string& text)
    {
        const std::string path = (folder.path() / "install.ini").string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    platform::testing::TemporaryFolder folder;
};

TEST_F(IniFile, ReadsValuesWithTheRulesOfThePlatform)
{
    const std::string path = write("\xEF\xBB\xBF; a driver's description\r\n"
                                   "[ModuleInfo]\r\n"
                                   "ManufCode = MAR \r\n"
                                   "ModuleType=sonvale\r\n"
                                   "ModuleName=\"  Marlet  \"\r\n"
                                   "not a key line\r\n"
                                   "ManufCode=second\r\n"
                                   "[ Installation ]\n"
                                   "InstallCmd=setup.sh --quiet=yes\n"
                                   "Empty=\n"
                                   "[moduleinfo]\n"
                                   "ManufName=only in the second section\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    for (const Case& c : {
             Case{"ModuleInfo", "ManufCode", "MAR"},
             Case{"MODULEINFO", "manufcode", "MAR"},
             Case{"ModuleInfo", "ModuleType", "sonvale"},
             Case{"ModuleInfo", "ModuleName", "  Marlet  "},
             Case{"Installation", "InstallCmd", "setup.sh --quiet=yes"},
             Case{"Installation", "Empty", ""},
             Case{"ModuleInfo", "ManufName", "default"},
             Case{"ModuleInfo", "InstallCmd", "default"},
             Case{"Missing", "ManufCode", "default"},
         })
        EXPECT_EQ(readIniString(path, c.section, c.key, "default"), c.expected) << c.section << "/" << c.key;
}

TEST_F(IniFile, AMissingFileGivesTheDefault)
{
    EXPECT_EQ(readIniString((folder.path() / "none.ini").string(), "ModuleInfo", "ManufCode", "x"), "x");
    EXPECT_EQ(readIniString(folder.path().string(), "ModuleInfo", "ManufCode", ""), "");
}

// A FIFO would keep the reader waiting at the open for a writer that never
// comes; a huge file would be read whole.
TEST_F(IniFile, AFileThatIsNoRegularFileOrTooLargeGivesTheDefault)
{
    const std::string fifo = (folder.path() / "fifo.ini").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readIniString(fifo, "ModuleInfo", "ManufCode", "x"), "x");

    const std::string large = write("[ModuleInfo]\nManufCode=MAR\n");
    std::filesystem::resize_file(large, kLargestIniFile + 1);
    EXPECT_EQ(readIniString(large, "ModuleInfo", "ManufCode", "x"), "x");
    std::filesystem::resize_file(large, kLargestIniFile);
    EXPECT_EQ(readIniString(large, "ModuleInfo", "ManufCode", "x"), "MAR") << "at the limit it is read";
}

TEST_F(IniFile, CutsValuesToTheBufferWithoutSplittingACharacter)
{
    const std::string longValue(300, 'v');
    const std::string path = write("[s]\nlong=" + longValue + "\nname=Jørgen\n");
    EXPECT_EQ(readIniString(path, "s", "long", ""), longValue.substr(0, 255));
    EXPECT_EQ(readIniString(path, "s", "long", "", 1000), longValue);
    EXPECT_EQ(readIniString(path, "s", "name", "", 3), "J");
    EXPECT_EQ(readIniString(path, "s", "name", "", 4), "Jø");
    EXPECT_EQ(readIniString(path, "s", "missing", "default", 4), "def");
    EXPECT_EQ(readIniString(path, "s", "long", "", 0), "");
}

}  // namespace
