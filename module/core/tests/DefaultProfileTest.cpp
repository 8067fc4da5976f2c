// The shipped default profile as a new host user receives it: placed by the
// host on a fresh machine, read by the module at the first document start.

#include "module/core/CCurvePrefs.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/StoreSnapshot.h"
#include "module/core/SymbolCatalogue.h"
#include "module/core/tests/CoreTestSupport.h"
#include "module/core/UserPreferences.h"

#include "host/testing/HostFixture.h"

#include "vellum/VellumValues.h"

#include "platform/gfx/Types.h"
#include "platform/ui/TestResponder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::Variant;

constexpr const char* kShippedProfile = BRISANCE_PROGRAM_DIR "/Data/Default.profile";

class DefaultProfileTest : public testing::VellumTest {};

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
    return parts;
}

TEST(DefaultProfilePlacement, CopiesTheShippedFileOnceAndNeverReplacesOne)
{
    host::testing::HostFixture host;
    EXPECT_TRUE(host.placeDefaultProfile());
    EXPECT_EQ(testing::ReadFile(testing::SharedProfileFile()), testing::ReadFile(kShippedProfile));

    const std::vector<std::uint8_t> sites = {8, 0, 4, 0, 'O', 'w', 'n', '!'};
    testing::WriteFile(testing::SharedProfileFile(), sites);
    EXPECT_FALSE(host.placeDefaultProfile());
    EXPECT_EQ(testing::ReadFile(testing::SharedProfileFile()), sites);
}

TEST_F(DefaultProfileTest, ANewUserGetsTheStandardProfileWithItsTestsAndPalettes)
{
    host::testing::HostFixture host;
    ASSERT_TRUE(host.placeDefaultProfile());
    const host::User user = host.addUser("JD");
    host.selectUser(user);
    CreateModuleGlobals();
    const auto store = ModuleGlobals::PreferenceStore();
    const platform::ui::TestResponder responder;

    LoadUserPreferences(platform::com::create<host::IModuleServer>(host::kModuleServerClsid), store);

    EXPECT_TRUE(responder.shown().empty());
    const Variant shipped = ReadStoreSnapshot(kShippedProfile);
    EXPECT_EQ(store->get_Data(), shipped);
    EXPECT_EQ(Variant::fromBytes(user.moduleData(host::testing::kAudiogramModule)), shipped);

    // The tests, in order.
    struct Expected {
        const char* key;
        const char* label;
        CurvePrefType kind;
        std::int32_t testType, condition, wordList;
        bool joined;
    };
    const Expected expected[] = {
        {"1-1-1-", "AC", PrefType_PureTone, 1, 2, 0, true},
        {"1-2-1-", "BC", PrefType_PureTone, 2, 2, 0, false},
        {"1-3-1-", "SF", PrefType_PureTone, 3, 2, 0, true},
        {"1-3-2-", "SF aided", PrefType_PureTone, 3, 3, 0, true},
        {"2-1-1-", "MCL", PrefType_PureTone, 4, 2, 0, false},
        {"2-3-1-", "MCL SF", PrefType_PureTone, 5, 2, 0, false},
        {"3-1-1-", "UCL", PrefType_PureTone, 6, 2, 0, false},
        {"1-1-10-1-", "WR", PrefType_Speech, 10, 2, 10, true},
        {"2-1-10-1-", "WR in noise", PrefType_Speech, 13, 2, 10, true},
        {"3-1-8-1-", "SRT", PrefType_Speech, 15, 2, 8, true},
        {"7-1-2-1-", "MCL", PrefType_Speech, 26, 2, 2, false},
        {"8-1-2-1-", "UCL", PrefType_Speech, 28, 2, 2, false},
        {"1-3-10-1-", "WR SF", PrefType_Speech, 12, 2, 10, true},
        {"1-3-10-2-", "WR SF aided", PrefType_Speech, 12, 3, 10, true},
    };
    // The (style, width) pairs that the test-properties dialog offers.
    const std::vector<std::pair<int, int>> offered = {{5, 1}, {0, 1}, {1, 1}, {2, 1}, {3, 1},
                                                      {4, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}};
    CCurvePrefs& tests = *ModuleGlobals::CurvePrefs();
    tests.LoadFromPreferences(*store);
    ASSERT_EQ(tests.Count(), static_cast<std::int32_t>(std::size(expected)));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Expected& e = expected[i];
        const CCurvePref& test = *tests.Item(Variant(static_cast<std::int32_t>(i + 1)));
        SCOPED_TRACE(e.key);
        EXPECT_EQ(test.Key(), e.key);
        EXPECT_EQ(test.Label, e.label);
        EXPECT_EQ(test.PrefType, e.kind);
        EXPECT_EQ(test.TestType, e.testType);
        EXPECT_EQ(test.Condition, e.condition);
        EXPECT_EQ(test.WordList, e.wordList);
        EXPECT_EQ(test.RightColor, platform::gfx::rgb(255, 0, 0));
        EXPECT_EQ(test.LeftColor, platform::gfx::rgb(0, 0, 255));
        EXPECT_EQ(test.BinauralColor, platform::gfx::rgb(0, 0, 0));
        for (const auto& [style, width] : {std::pair{test.RightLineStyle, test.RightLineWidth},
                                           std::pair{test.LeftLineStyle, test.LeftLineWidth},
                                           std::pair{test.BinauralLineStyle, test.BinauralLineWidth}}) {
            EXPECT_NE(std::ranges::find(offered, std::pair<int, int>{style, width}), offered.end());
            EXPECT_EQ(style != 5, e.joined);
        }
        const TestSymbols symbols = expandSymbols(*findStandardSymbolSet(e.key));
        for (std::size_t s = 0; s < 6; ++s) {
            EXPECT_EQ(test.*kRightSymbolFields[s], symbols.right[s]);
            EXPECT_EQ(test.*kLeftSymbolFields[s], symbols.left[s]);
            EXPECT_EQ(test.*kBinauralSymbolFields[s], symbols.binaural[s]);
        }
    }

    // Profile 0, the only one and the default, with a palette per chart view.
    store->put_Category(0);
    for (std::int16_t section = 0; section <= 20; ++section) {
        store->put_Section(section);
        EXPECT_EQ(store->get_Value("Profile").isNull(), section != 0) << "section " << section;
    }
    store->put_Section(0);
    EXPECT_EQ(store->get_Value("Profile"), Variant("Standard"));
    EXPECT_EQ(store->get_Value("DftProfile"), Variant(true));
    for (const auto& [palette, kind] : {std::pair{"PTPalButtons", PrefType_PureTone},
                                        std::pair{"SPPalButtons", PrefType_Speech}}) {
        SCOPED_TRACE(palette);
        const auto keys = Split(store->get_Value(palette).toString());
        const auto binaural = Split(store->get_Value(std::string(palette) + "Binaural").toString());
        EXPECT_LE(keys.size(), 8u);
        EXPECT_EQ(binaural.size(), keys.size());
        for (const std::string& key : keys) {
            ASSERT_TRUE(tests.ItemExist(key)) << key;
            EXPECT_EQ(tests.Item(key)->PrefType, kind) << key;
        }
    }

    // The global options.
    int mask = 0;
    for (const int frequency : {500, 1000, 2000})
        mask |= 1 << (std::ranges::find(vellum::kAverageFrequencies, frequency) - vellum::kAverageFrequencies.begin());
    store->put_Category(100);
    EXPECT_EQ(store->get_Value("PTAvg1"), Variant(std::int32_t{mask}));
    EXPECT_EQ(store->get_Value("GENRightOnLeft"), Variant(true));
    EXPECT_EQ(store->get_Value("PTAvgTests"), Variant(std::int32_t{3}));
    EXPECT_EQ(store->get_Value("PTAvg2"), Variant(std::int32_t{0}));
}

}  // namespace
}  // namespace brisance
