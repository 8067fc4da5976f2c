#include "vellum/VellumKeyedStore.h"

#include "vellum/tests/AudiogramFixture.h"
#include "vellum/tests/Enumerate.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

using platform::com::make;
using platform::runtime::Date;
using testing::raisedNumber;
using testing::texts;

ComPtr<IVellumKeyedStore> newStore()
{
    return make<VellumKeyedStore>();
}

void select(IVellumKeyedStore& store, std::int16_t category, std::int16_t section)
{
    store.put_Category(category);
    store.put_Section(section);
}

// The notes of a document: notes of three views, the date and the report comments.
ComPtr<IVellumKeyedStore> notesStore()
{
    auto store = newStore();
    store->put_Value("DateOfEval", Variant("12/10/2026"));
    store->put_Value("CustomDescription", Variant(true));
    store->put_Value("Method", Variant("Hughson-Westlake"));
    select(*store, 0, 1);
    store->put_Value("Method", Variant("Monitored live voice"));
    select(*store, 100, 100);
    store->put_Value("ReportComments", Variant("Refer for ABR"));
    select(*store, 1000, 0);
    store->put_Value("Audiometer 1", Variant(Date{46000.0}));
    store->put_Value("Volume", Variant(0.8));
    store->put_Value("Index", Variant(std::int32_t{1001}));
    select(*store, 0, 0);
    return store;
}

TEST(VellumKeyedStore, CategoryAndSectionSelectWhereValuesLive)
{
    auto store = notesStore();
    EXPECT_EQ(store->get_Value("Method"), Variant("Hughson-Westlake"));
    EXPECT_EQ(store->get_Value("method"), Variant("Hughson-Westlake")) << "keys compare without regard to case";
    EXPECT_TRUE(store->get_Value("ReportComments").isNull());
    select(*store, 0, 1);
    EXPECT_EQ(store->get_Value("Method"), Variant("Monitored live voice"));
    EXPECT_TRUE(store->get_Value("DateOfEval").isNull());
    select(*store, 1, 0);
    EXPECT_TRUE(store->get_Value("DateOfEval").isNull()) << "section 0 of another category";
    select(*store, 100, 100);
    EXPECT_EQ(store->get_Value("ReportComments"), Variant("Refer for ABR"));
}

TEST(VellumKeyedStore, EnumerationGivesTheSelectedSectionsKeysInOrderEvenWhileTheSelectionMoves)
{
    auto store = notesStore();
    auto keys = store->get__NewEnum();
    select(*store, 0, 1);
    store->put_Value("Late", Variant(false));
    EXPECT_EQ(texts(keys), (std::vector<std::string>{"DateOfEval", "CustomDescription", "Method"}));
    EXPECT_EQ(texts(store->get__NewEnum()), (std::vector<std::string>{"Method", "Late"}));
    select(*store, 0, 7);
    EXPECT_TRUE(texts(store->get__NewEnum()).empty());
}

TEST(VellumKeyedStore, TheWholeStoreASectionAndACategoryTravelAsData)
{
    auto source = notesStore();
    auto copy = newStore();
    select(*copy, 100, 100);
    copy->put_Data(source->get_Data());
    EXPECT_EQ(copy->get_Category(), 100) << "a put keeps the selection";
    EXPECT_EQ(copy->get_Data(), source->get_Data());
    select(*copy, 1000, 0);
    EXPECT_EQ(copy->get_Value("Audiometer 1"), Variant(Date{46000.0}));
    EXPECT_EQ(copy->get_Value("Volume"), Variant(0.8));
    EXPECT_EQ(copy->get_Value("Index"), Variant(std::int32_t{1001}));

    // Copying a profile: section 0 into a cleared section 5.
    const Variant profile = source->get_SectionData();
    select(*copy, 0, 5);
    copy->put_Value("Stale", Variant("gone"));
    copy->ClearSection();
    copy->put_SectionData(profile);
    EXPECT_EQ(texts(copy->get__NewEnum()), (std::vector<std::string>{"DateOfEval", "CustomDescription", "Method"}));

    // Importing global options: category 1000 replaced by another store's.
    auto other = newStore();
    select(*other, 1000, 3);
    other->put_Value("Audiometer 2", Variant("2026-01-01"));
    select(*copy, 1000, 0);
    copy->ClearCategory();
    EXPECT_TRUE(copy->get_Value("Volume").isNull());
    copy->put_CategoryData(other->get_CategoryData());
    select(*copy, 1000, 3);
    EXPECT_EQ(copy->get_Value("Audiometer 2"), Variant("2026-01-01"));
    select(*copy, 0, 1);
    EXPECT_EQ(copy->get_Value("Method"), Variant("Monitored live voice")) << "other categories stay";

    copy->Clear();
    EXPECT_TRUE(copy->get_Value("Method").isNull());
}

TEST(VellumKeyedStore, BadDataAndValuesLeaveTheStoreAsItWas)
{
    auto store = notesStore();
    const Variant before = store->get_Data();
    std::vector<std::uint8_t> truncated = store->get_Data().toBytes();
    truncated.pop_back();

    EXPECT_EQ(raisedNumber([&] { store->put_Data(Variant::null()); }), 13);
    EXPECT_EQ(raisedNumber([&] { store->put_Data(Variant::fromBytes(truncated)); }), 5);
    EXPECT_EQ(raisedNumber([&] { store->put_Data(store->get_SectionData()); }), 5);
    EXPECT_EQ(raisedNumber([&] { store->put_SectionData(store->get_Data()); }), 5);
    EXPECT_EQ(raisedNumber([&] { store->put_CategoryData(Variant("VKSC")); }), 13);
    EXPECT_EQ(raisedNumber([&] { store->put_Value("Self", Variant(ComPtr<IVellumKeyedStore>(store))); }), 458);
    EXPECT_EQ(store->get_Data(), before);
}

}  // namespace
}  // namespace vellum
