#include "vellum/KeyedStoreContent.h"

#include "vellum/tests/AudiogramFixture.h"

#include "platform/runtime/VariantRecord.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using platform::runtime::Date;
using platform::runtime::Variant;
using testing::raisedNumber;
using Bytes = std::vector<std::uint8_t>;

constexpr SectionId kProfile{0, 3};
constexpr SectionId kOtherProfile{0, 4};
constexpr SectionId kGlobalOptions{100, 0};

// A store with values of every type the module keeps, in two categories.
KeyedStoreContent filledStore()
{
    KeyedStoreContent store;
    store.put(kProfile, "Profile", Variant("Paediatric"));
    store.put(kProfile, "DftProfile", Variant(true));
    store.put(kProfile, "PTPanels", Variant(std::int32_t{7}));
    store.put(kOtherProfile, "Profile", Variant("Adult"));
    store.put(kGlobalOptions, "GENRightOnLeft", Variant(false));
    store.put(kGlobalOptions, "Ratio", Variant(0.75));
    store.put(kGlobalOptions, "Calibrated", Variant(Date{45000.5}));
    store.put(kGlobalOptions, "Small", Variant(std::int16_t{-3}));
    store.put(kGlobalOptions, "Nothing", Variant::null());
    store.put({100, 1001}, "Notation", Variant("Air ü"));
    return store;
}

TEST(KeyedStoreContent, SectionsAndCategoriesKeepTheirOwnValues)
{
    const KeyedStoreContent store = filledStore();
    EXPECT_EQ(*store.find(kProfile, "Profile"), Variant("Paediatric"));
    EXPECT_EQ(*store.find(kOtherProfile, "Profile"), Variant("Adult"));
    EXPECT_EQ(store.find(kGlobalOptions, "Profile"), nullptr);
    EXPECT_EQ(store.find({1, 3}, "Profile"), nullptr) << "another category, same section number";
    EXPECT_EQ(store.find(kProfile, "Missing"), nullptr);
}

TEST(KeyedStoreContent, KeysKeepTheOrderAndSpellingTheyWereFirstStoredWith)
{
    KeyedStoreContent store;
    store.put(kProfile, "Zeta", Variant(std::int32_t{1}));
    store.put(kProfile, "Alpha", Variant(std::int32_t{2}));
    store.put(kProfile, "ZETA", Variant(std::int32_t{3}));
    EXPECT_EQ(store.keys(kProfile), (std::vector<std::string>{"Zeta", "Alpha"}));
    EXPECT_EQ(*store.find(kProfile, "zeta"), Variant(std::int32_t{3}));
    EXPECT_TRUE(store.keys(kOtherProfile).empty());
}

TEST(KeyedStoreContent, WholeStoreSectionAndCategoryRoundTrips)
{
    const KeyedStoreContent store = filledStore();
    const KeyedStoreContent copy = KeyedStoreContent::read(store.write());
    for (SectionId at : {kProfile, kOtherProfile, kGlobalOptions, SectionId{100, 1001}}) {
        ASSERT_EQ(copy.keys(at), store.keys(at));
        for (const std::string& key : store.keys(at)) EXPECT_EQ(*copy.find(at, key), *store.find(at, key)) << key;
    }

    KeyedStoreContent target;
    target.put({0, 9}, "Stale", Variant("gone"));
    target.replaceSection({0, 9}, KeyedStoreContent::readSection(store.writeSection(kProfile)));
    EXPECT_EQ(target.keys({0, 9}), store.keys(kProfile));

    target.put({100, 7}, "Stale", Variant("gone"));
    target.replaceCategory(100, KeyedStoreContent::readCategory(store.writeCategory(100)));
    EXPECT_EQ(target.find({100, 7}, "Stale"), nullptr);
    EXPECT_EQ(*target.find({100, 1001}, "Notation"), Variant("Air ü"));
    EXPECT_EQ(target.keys({0, 9}), store.keys(kProfile)) << "another category is left alone";
}

TEST(KeyedStoreContent, AnEmptyMatrixReadsBackFromTheStoresOwnBytes)
{
    using platform::runtime::VariantArray;
    using platform::runtime::VarType;
    KeyedStoreContent store;
    const Variant noReadings = VariantArray(VarType::Double, {{2, 0}, {0, 0}});
    store.put(kGlobalOptions, "Readings", noReadings);
    EXPECT_EQ(*KeyedStoreContent::read(store.write()).find(kGlobalOptions, "Readings"), noReadings);
}

TEST(KeyedStoreContent, ClearingTakesOnlyWhatItNames)
{
    KeyedStoreContent store = filledStore();
    store.clearSection(kProfile);
    EXPECT_TRUE(store.keys(kProfile).empty());
    EXPECT_FALSE(store.keys(kOtherProfile).empty());
    store.clearCategory(0);
    EXPECT_TRUE(store.keys(kOtherProfile).empty());
    EXPECT_FALSE(store.keys(kGlobalOptions).empty());
    store.clear();
    EXPECT_TRUE(store.keys(kGlobalOptions).empty());
}

TEST(KeyedStoreContent, AValueThatHasNoStoredFormIsRefused)
{
    KeyedStoreContent store;
    EXPECT_EQ(raisedNumber([&] { store.put(kProfile, "Object", Variant(Variant::Object())); }), 458);
    EXPECT_TRUE(store.keys(kProfile).empty());
}

TEST(KeyedStoreContent, DamagedDataIsRefusedWithAClearError)
{
    const KeyedStoreContent store = filledStore();
    const Bytes whole = store.write();
    const Bytes section = store.writeSection(kProfile);
    const Bytes category = store.writeCategory(100);

    for (const Bytes* valid : {&whole, &section, &category})
        for (std::size_t size = 0; size < valid->size(); ++size)
            ASSERT_EQ(raisedNumber([&] {
                          const auto cut = std::span(*valid).first(size);
                          if (valid == &whole) KeyedStoreContent::read(cut);
                          if (valid == &section) KeyedStoreContent::readSection(cut);
                          if (valid == &category) KeyedStoreContent::readCategory(cut);
                      }),
                      5)
                << "cut at " << size;

    Bytes duplicateKey = {'V', 'K', 'S', 'S', 2, 0, 0, 0};
    for (const char* key : {"Key", "KEY"}) {
        duplicateKey.insert(duplicateKey.end(), {3, 0, 0, 0});
        duplicateKey.insert(duplicateKey.end(), key, key + 3);
        platform::runtime::writeVariantRecord(duplicateKey, Variant(true));
    }
    const Bytes unknownType = {'V', 'K', 'S', 'S', 1, 0, 0, 0, 1, 0, 0, 0, 'K', 0x63, 0};
    const Bytes absurdCount = {'V', 'K', 'S', 'T', 0xFF, 0xFF, 0xFF, 0xFF};
    Bytes trailing = whole;
    trailing.push_back(0);
    EXPECT_EQ(raisedNumber([&] { KeyedStoreContent::readSection(duplicateKey); }), 5);
    EXPECT_EQ(raisedNumber([&] { KeyedStoreContent::readSection(unknownType); }), 5);
    EXPECT_EQ(raisedNumber([&] { KeyedStoreContent::read(absurdCount); }), 5);
    EXPECT_EQ(raisedNumber([&] { KeyedStoreContent::read(trailing); }), 5);
    EXPECT_EQ(raisedNumber([&] { KeyedStoreContent::read(section); }), 5) << "a section is not a whole store";
    EXPECT_EQ(raisedNumber([&] { KeyedStoreContent::readCategory(whole); }), 5) << "a store is not a category";
}

}  // namespace
}  // namespace vellum
