#include "module/preferences/ProfileExportFile.h"

#include "module/core/tests/CoreTestSupport.h"

#include "platform/runtime/VariantRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
namespace runtime = platform::runtime;
using Bytes = std::vector<std::uint8_t>;

class ProfileExportFileTest : public VellumTest {
protected:
    void SetUp() override
    {
        VellumTest::SetUp();
        const auto store = NewStore();
        store->put_Section(3);
        store->put_Value("Profile", std::string("Clinic"));
        store->put_Value("DftProfile", true);
        profile = store->get_SectionData();
        store->put_Category(100);
        store->put_Section(0);
        store->put_Value("PTAvg1", std::int32_t{0x54});
        globalOptions = store->get_CategoryData();
    }

    runtime::Variant profile;
    runtime::Variant globalOptions;
};

TEST_F(ProfileExportFileTest, ARoundTripGivesBackBothValuesAndTheSameBytes)
{
    const Bytes file = ProfileExportBytes(profile, globalOptions);
    ASSERT_GT(file.size(), 26u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 22), "TAVO AM PROFILE EXPORT");
    EXPECT_EQ(Bytes(file.begin() + 22, file.begin() + 26), (Bytes{100, 0, 0, 0}));

    Bytes withTrailer = file;
    withTrailer.push_back(0xFF);  // bytes after the second record are not read
    const ProfileExportContent content = ReadProfileExport(withTrailer);
    ASSERT_EQ(content.error, ProfileExportError::None);
    EXPECT_EQ(content.profile, profile);
    EXPECT_EQ(content.globalOptions, globalOptions);
    EXPECT_EQ(ProfileExportBytes(content.profile, content.globalOptions), file);
}

TEST_F(ProfileExportFileTest, DamagedFilesGiveTheirMessageAndNoValues)
{
    const Bytes good = ProfileExportBytes(profile, globalOptions);
    const auto with = [&](std::size_t at, Bytes patch) {
        Bytes file = good;
        std::copy(patch.begin(), patch.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
        return file;
    };
    Bytes notBytes(good.begin(), good.begin() + 26);
    runtime::writeVariantRecord(notBytes, runtime::Variant(std::string("text")));
    runtime::writeVariantRecord(notBytes, globalOptions);
    const Bytes secondLost(good.begin(), good.end() - 1);

    const struct {
        const char* name;
        Bytes file;
        const char* message;
    } cases[] = {
        {"empty", {}, "Import file is not a valid export file"},
        {"wrong header", with(0, {'n'}), "Import file is not a valid export file"},
        {"ends in the version", Bytes(good.begin(), good.begin() + 24), "Import file is not a valid export file"},
        {"version 101", with(22, {101}), "Import file version is not readable"},
        {"no records", Bytes(good.begin(), good.begin() + 26), "Import file is not a valid export file"},
        {"unknown type code", with(26, {0x7F, 0x00}), "Import file is not a valid export file"},
        {"element count beyond the file", with(30, {0xFF, 0xFF, 0xFF, 0x7F}), "Import file is not a valid export file"},
        {"second record truncated", secondLost, "Import file is not a valid export file"},
        {"a record that is no byte array", notBytes, "Import file is not a valid export file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProfileExportContent content = ReadProfileExport(c.file);
        ASSERT_NE(content.error, ProfileExportError::None);
        EXPECT_STREQ(ProfileExportErrorText(content.error), c.message);
        EXPECT_TRUE(content.profile.isEmpty());
        EXPECT_TRUE(content.globalOptions.isEmpty());
    }
}

}  // namespace
}  // namespace brisance
