#include "module/core/StoreSnapshot.h"

#include "module/core/tests/CoreTestSupport.h"

#include "platform/runtime/tests/ErrorNumber.h"
#include "platform/testing/FileSizeLimit.h"
#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::Variant;
using platform::runtime::testing::errorNumberOf;
namespace fs = std::filesystem;

class StoreSnapshotTest : public testing::VellumTest {};

std::vector<fs::path> FilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path().filename());
    return files;
}

TEST_F(StoreSnapshotTest, AWrittenFileReadsBackAsTheSameData)
{
    const auto store = testing::NewStore();
    store->put_Value("Profile", "Standard");
    store->put_Category(100);
    store->put_Value("PTAvg1", std::int32_t{84});
    const platform::testing::TemporaryFolder folder;
    const fs::path file = folder.path() / "New Standard Profile.dat";

    WriteStoreSnapshot(*store, file.string());
    EXPECT_EQ(ReadStoreSnapshot(file.string()), store->get_Data());
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0644)) << "others may read a shared profile";
    EXPECT_EQ(FilesIn(folder.path()), std::vector<fs::path>{file.filename()}) << "no temporary file stays";

    auto bytes = testing::ReadFile(file);
    bytes.insert(bytes.end(), {0xFF, 0xFF, 0x01});
    testing::WriteFile(file, bytes);
    EXPECT_EQ(ReadStoreSnapshot(file.string()), store->get_Data()) << "bytes after the record are not read";
}

TEST_F(StoreSnapshotTest, AWriteThatFailsPartWayLeavesTheExistingFileAsItWas)
{
    const platform::testing::TemporaryFolder folder;
    const fs::path file = folder.path() / "Default.profile";
    const std::vector<std::uint8_t> existing = {1, 2, 3};
    testing::WriteFile(file, existing);
    const auto store = testing::NewStore();
    store->put_Value("Comments", std::string(50000, 'x'));

    std::int32_t error = 0;
    {
        const platform::testing::FileSizeLimit limit(4096);
        error = errorNumberOf([&] { WriteStoreSnapshot(*store, file.string()); });
    }
    EXPECT_EQ(error, 61) << "disk full";
    EXPECT_EQ(testing::ReadFile(file), existing);
    EXPECT_EQ(FilesIn(folder.path()), std::vector<fs::path>{file.filename()}) << "no temporary file stays";
}

TEST(StoreSnapshot, DamagedOrMissingFilesRaiseTheirErrors)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::int32_t error;
    };
    const Case cases[] = {
        {"a truncated byte array", {0x11, 0x20, 0x01, 0x00, 0x10, 0, 0, 0, 0, 0, 0, 0, 1, 2}, 62},
        {"an empty file", {}, 62},
        {"an unknown type code", {0xFF, 0x00}, 458},
        {"an array without dimensions", {0x11, 0x20, 0x00, 0x00}, 59},
    };
    const platform::testing::TemporaryFolder folder;
    const fs::path file = folder.path() / "Default.profile";
    for (const Case& c : cases) {
        testing::WriteFile(file, c.bytes);
        EXPECT_EQ(errorNumberOf([&] { ReadStoreSnapshot(file.string()); }), c.error) << c.name;
    }
    EXPECT_EQ(errorNumberOf([&] { ReadStoreSnapshot((folder.path() / "missing").string()); }), 53);
    EXPECT_EQ(errorNumberOf([&] { ReadStoreSnapshot(folder.path().string()); }), 75) << "a folder";
}

}  // namespace
}  // namespace brisance
