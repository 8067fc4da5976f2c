#include "module/core/WholeFile.h"

#include "platform/runtime/tests/ErrorNumber.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace brisance {
namespace {

using platform::runtime::testing::errorNumberOf;
namespace fs = std::filesystem;

std::string Content(const fs::path& file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(WriteWholeFileThrough, TheTargetIsReplacedOnlyByAWriterThatSucceeds)
{
    platform::testing::TemporaryFolder folder;
    const fs::path target = folder.path() / "Underlay.emf";
    std::ofstream(target) << "old";
    const auto writeHalf = [](const std::string& temporary) {
        std::ofstream(temporary) << "ha";
        return false;
    };
    const auto raiseMidway = [](const std::string& temporary) -> bool {
        std::ofstream(temporary) << "ha";
        platform::runtime::raise(61, {}, temporary);
    };
    EXPECT_EQ(errorNumberOf([&] { WriteWholeFileThrough(target.string(), writeHalf); }), 75);
    EXPECT_EQ(errorNumberOf([&] { WriteWholeFileThrough(target.string(), raiseMidway); }), 61);
    EXPECT_EQ(Content(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1) << "no temporary file is left";

    WriteWholeFileThrough(target.string(), [](const std::string& temporary) {
        std::ofstream(temporary) << "new";
        return true;
    });
    EXPECT_EQ(Content(target), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace brisance
