#include "module/core/CPaletteItems.h"

#include "module/core/CCurvePrefs.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::testing::errorNumberOf;
namespace errors = platform::runtime::errors;

// Three tests: air conduction (CurveID 1), bone conduction (2), sound field (3).
class CPaletteItemsTest : public ::testing::Test {
protected:
    std::vector<std::int32_t> IDs() const
    {
        std::vector<std::int32_t> ids;
        for (const auto& item : items)
            ids.push_back(item->ID);
        return ids;
    }

    CCurvePrefs tests;
    CCurvePrefs::Entry air = tests.Add("1-1-1-");
    CCurvePrefs::Entry bone = tests.Add("1-2-1-");
    CCurvePrefs::Entry soundField = tests.Add("1-3-1-");
    CPaletteItems items;
};

TEST_F(CPaletteItemsTest, AddGivesRunningIDsAndTheTestsKey)
{
    const auto first = items.Add(air);
    const auto second = items.Add(bone);
    EXPECT_EQ(first->ID, 0);
    EXPECT_EQ(second->ID, 1);
    EXPECT_EQ(second->Key, "1-2-1-");
    EXPECT_EQ(second->CurvePreferences, bone) << "the test is shared, not copied";
    EXPECT_FALSE(second->Binaural);
    EXPECT_EQ(errorNumberOf([&] { items.Add(nullptr); }), errors::ObjectNotSet);
}

TEST_F(CPaletteItemsTest, LookupsFindTheFirstMatchOrNothing)
{
    const auto airLeftRight = items.Add(air);
    const auto airBinaural = items.Add(air);
    airBinaural->Binaural = true;
    const auto airAgain = items.Add(air);  // a second item of the same test: never found by key
    const auto boneItem = items.Add(bone);

    struct Lookup {
        const char* what;
        CPaletteItems::Entry found;
        CPaletteItems::Entry expected;
    };
    const Lookup lookups[] = {
        {"key, ear item", items.GetItemByTestKey("1-1-1-", false), airLeftRight},
        {"key, binaural item", items.GetItemByTestKey("1-1-1-", true), airBinaural},
        {"other binaural flag", items.GetItemByTestKey("1-2-1-", true), nullptr},
        {"key differing in one character", items.GetItemByTestKey("1-1-1", false), nullptr},
        {"ID", items.ItemByID(2), airAgain},
        {"another ID", items.ItemByID(3), boneItem},
        {"absent ID", items.ItemByID(7), nullptr},
        {"CurveID", items.ItemByCurveID(1), airLeftRight},
        {"absent CurveID", items.ItemByCurveID(3), nullptr},
    };
    for (const Lookup& lookup : lookups)
        EXPECT_EQ(lookup.found, lookup.expected) << lookup.what;
    EXPECT_TRUE(items.ItemExist("1-1-1-", true));
    EXPECT_FALSE(items.ItemExist("1-3-1-", false));

    const auto lowerCase = tests.Add("a-1-");
    items.Add(lowerCase);
    EXPECT_FALSE(items.ItemExist("A-1-", false)) << "letter case counts";
}

TEST_F(CPaletteItemsTest, RemovingAndClearing)
{
    for (const auto& test : {air, bone, soundField})
        items.Add(test)->HasData = true;

    EXPECT_EQ(errorNumberOf([&] { items.Remove(0); }), errors::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([&] { items.Remove(4); }), errors::InvalidProcedureCall);
    items.Remove(2);
    EXPECT_EQ(IDs(), (std::vector<std::int32_t>{0, 2}));

    items.RemoveByID(7);  // absent: nothing happens
    EXPECT_EQ(IDs(), (std::vector<std::int32_t>{0, 2}));
    items.RemoveByID(0);
    EXPECT_EQ(IDs(), (std::vector<std::int32_t>{2}));

    items.ClearHasData();
    EXPECT_FALSE(items.ItemByID(2)->HasData);
    EXPECT_EQ(items.Add(air)->ID, 3) << "removals leave gaps; IDs are not reused";

    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_EQ(items.Add(bone)->ID, 0) << "Clear starts the IDs again";
}

TEST_F(CPaletteItemsTest, APaletteRestoredByAddAndCopyToKeepsItsIDsUnique)
{
    // The palette as saved: IDs 4 and 9 after earlier edits.
    CPaletteItem savedAir, savedBone;
    savedAir.CurvePreferences = air;
    savedAir.ID = 4;
    savedAir.Key = air->Key();
    savedBone.CurvePreferences = bone;
    savedBone.ID = 9;
    savedBone.Key = bone->Key();
    savedBone.Binaural = true;

    items.Clear();
    for (const CPaletteItem* saved : {&savedAir, &savedBone})
        saved->CopyTo(*items.Add(saved->CurvePreferences));
    EXPECT_EQ(IDs(), (std::vector<std::int32_t>{4, 9})) << "the saved IDs are back";
    EXPECT_TRUE(items.ItemByID(9)->Binaural);

    const auto added = items.Add(soundField);
    EXPECT_EQ(added->ID, 10) << "the next ID passes the highest one present";
    EXPECT_EQ(items.ItemByID(10), added);
}

}  // namespace
}  // namespace brisance
