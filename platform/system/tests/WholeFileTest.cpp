#include "platform/system/WholeFile.h"

#include "platform/runtime/tests/ErrorNumber.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/stat.h>

namespace platform::system {
namespace {

using runtime::testing::errorNumberOf;
namespace fs = std::filesystem;

std::string Content(const fs::path& file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ReadWholeFile, AFileLargerThanItsKindCanBeIsRefusedBeforeItIsRead)
{
    testing::TemporaryFolder folder;
    const fs::path file = folder.path() / "Default.profile";
    struct Case {
        std::uintmax_t size;
        std::size_t largest;
        bool refused;
    };
    const Case cases[] = {
        {0, 0, false},
        {10, 10, false},
        {11, 10, true},
        {std::uintmax_t{16} << 30, 1 << 20, true},  // sparse: reading it whole would exhaust the memory
    };
    std::ofstream{file};
    for (const Case& c : cases) {
        fs::resize_file(file, c.size);
        try {
            EXPECT_EQ(readWholeFile(file.string(), c.largest).size(), c.size) << c.size;
            EXPECT_FALSE(c.refused) << c.size << " bytes read where at most " << c.largest << " may be";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_TRUE(c.refused) << error.description();
            EXPECT_EQ(error.number(), runtime::errors::OutOfMemory);
            EXPECT_NE(error.description().find(file.string()), std::string::npos) << error.description();
            EXPECT_NE(error.description().find(std::to_string(c.size) + " bytes"), std::string::npos)
                << error.description();
        }
    }
}

// A FIFO would keep the reader waiting at the open for a writer that never
// comes: this test would not end.
TEST(ReadWholeFile, AnythingButARegularFileIsRefusedWithoutWaitingOnIt)
{
    testing::TemporaryFolder folder;
    const fs::path fifo = folder.path() / "translate.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path directory = folder.path() / "Underlay.emf";
    fs::create_directory(directory);
    const struct {
        fs::path path;
        const char* kind;
    } cases[] = {
        {fifo, "a FIFO"},
        {directory, "a folder"},
        {"/dev/zero", "a device"},  // endless: read whole, it would fill the memory up to the limit
    };
    for (const auto& c : cases) {
        try {
            readWholeFile(c.path.string(), 1 << 20);
            ADD_FAILURE() << c.path << " was read as a file";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), 75) << c.path;
            EXPECT_NE(error.description().find(c.path.string()), std::string::npos) << error.description();
            EXPECT_NE(error.description().find(c.kind), std::string::npos) << error.description();
        }
    }
}

TEST(WriteWholeFileThrough, TheTargetIsReplacedOnlyByAWriterThatSucceeds)
{
    testing::TemporaryFolder folder;
    const fs::path target = folder.path() / "Underlay.emf";
    std::ofstream(target) << "old";
    const auto writeHalf = [](const std::string& temporary) {
        std::ofstream(temporary) << "ha";
        return false;
    };
    const auto raiseMidway = [](const std::string& temporary) -> bool {
        std::ofstream(temporary) << "ha";
        runtime::raise(61, {}, temporary);
    };
    EXPECT_EQ(errorNumberOf([&] { writeWholeFileThrough(target.string(), writeHalf); }), 75);
    EXPECT_EQ(errorNumberOf([&] { writeWholeFileThrough(target.string(), raiseMidway); }), 61);
    EXPECT_EQ(Content(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1) << "no temporary file is left";

    writeWholeFileThrough(target.string(), [](const std::string& temporary) {
        std::ofstream(temporary) << "new";
        return true;
    });
    EXPECT_EQ(Content(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace platform::system
