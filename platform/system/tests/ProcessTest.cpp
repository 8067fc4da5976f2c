#include "platform/system/Process.h"

#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

using namespace platform::system;
using Arguments = std::vector<std::string>;

TEST(Process, SplitsCommandLinesLikeThePlatform)
{
    struct Case {
        const char* line;
        Arguments expected;
    };
    for (const Case& c : {
             Case{"", {}},
             Case{"   \t ", {}},
             Case{"setup.sh", {"setup.sh"}},
             Case{"  setup.sh  -q\t/s ", {"setup.sh", "-q", "/s"}},
             Case{R"("/opt/my driver/setup.sh" "a b")", {"/opt/my driver/setup.sh", "a b"}},
             Case{R"(a"b c"d)", {"ab cd"}},
             Case{R"("")", {""}},
             Case{R"("a ""quoted"" word")", {R"(a "quoted" word)"}},
             Case{R"(a\\\"b c\\"d e" f)", {R"(a\"b)", R"(c\d e)", "f"}},
             Case{R"(a\b c\\)", {R"(a\b)", R"(c\\)"}},
             Case{R"("unterminated quote)", {"unterminated quote"}},
         })
        EXPECT_EQ(splitCommandLine(c.line), c.expected) << c.line;
}

TEST(Process, StartsAProgramWithItsArgumentsWithoutWaiting)
{
    platform::testing::TemporaryFolder folder;
    const std::filesystem::path made = folder.path() / "made by the installer";
    ASSERT_TRUE(startProgram("touch \"" + made.string() + "\""));
    for (int tries = 0; tries < 1000 && !std::filesystem::exists(made); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(made));
}

TEST(Process, StartsAProgramInItsWorkingFolderWithArgumentsAsGiven)
{
    platform::testing::TemporaryFolder folder;
    const std::filesystem::path working = folder.path() / "driver folder";
    std::filesystem::create_directory(working);
    // A relative name lands in the working folder; the blank stays inside the argument.
    ASSERT_TRUE(startProgram(Arguments{"touch", "made here"}, working.string()));
    const std::filesystem::path made = working / "made here";
    for (int tries = 0; tries < 1000 && !std::filesystem::exists(made); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(made));

    EXPECT_FALSE(startProgram(Arguments{"touch", "x"}, (folder.path() / "missing").string()));
    EXPECT_FALSE(startProgram(Arguments{}, working.string()));
}

TEST(Process, ReportsAProgramThatCannotStart)
{
    platform::testing::TemporaryFolder folder;
    for (const std::string& line : {std::string(), std::string("  "), std::string("\"\" -q"),
                                    (folder.path() / "setup.sh").string(), std::string("no-such-program-here -q"),
                                    folder.path().string()})
        EXPECT_FALSE(startProgram(line)) << line;
}

}  // namespace
