#include "module/panels/CMRUList.h"

#include "module/testing/RegisterServer.h"
#include "platform/com/Creation.h"
#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::RuntimeError;
using platform::runtime::Variant;
using Entries = std::vector<std::string>;

const std::string kSeparator(CMRUList::kSeparator);

// The list's eleven entries: the given ones first, the rest empty.
Entries entries(Entries given)
{
    given.resize(11);
    return given;
}

struct AddCase {
    const char* name;
    Entries added;     // in the order added to a new list
    Entries expected;  // the first entries afterwards; the rest are empty
};

void PrintTo(const AddCase& addCase, std::ostream* out)
{
    *out << addCase.name;
}

class MRUListAddItem : public ::testing::TestWithParam<AddCase> {};

TEST_P(MRUListAddItem, PutsTheTextAtTheFront)
{
    CMRUList list;
    for (const std::string& text : GetParam().added) EXPECT_FALSE(list.AddItem(text));
    EXPECT_EQ(list.GetList(), entries(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MRUListAddItem,
    ::testing::Values(
        AddCase{"NewTextsPushTheOthersDown", {"a", "b", "c"}, {"c", "b", "a"}},
        AddCase{"AnOlderTextMovesToTheFront", {"a", "b", "c", "a"}, {"a", "c", "b"}},
        AddCase{"TheFrontTextChangesNothing", {"a", "b", "c", "c"}, {"c", "b", "a"}},
        AddCase{"TextsCompareWithCase", {"a", "A"}, {"A", "a"}},
        AddCase{"TheTwelfthTextDropsTheOldest",
                {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
                {"12", "11", "10", "9", "8", "7", "6", "5", "4", "3", "2"}},
        // An empty text finds an unused entry and moves it to the front; it
        // moves down with the rest until an older text is moved to the front.
        AddCase{"EmptyEntriesMoveDown", {"a", "", "b"}, {"b", "", "a"}},
        AddCase{"AMovedTextSqueezesOutEmptyEntries", {"a", "", "b", "a"}, {"a", "b"}},
        AddCase{"EuroSignsAreLeftOut", {"x\xE2\x82\xAC\xE2\x82\xACy", "z\xE2\x82\xAC"}, {"z", "xy"}},
        AddCase{"AnEntryWithoutItsEuroSignIsTheSameEntry", {"a", "b", "a\xE2\x82\xAC"}, {"a", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MRUList, SizeHoldsOneEntryMoreThanMaxListSize)
{
    CMRUList list;
    EXPECT_EQ(list.MaxListSize(), 10);
    list.AddItem("a");
    list.AddItem("b");
    list.AddItem("c");
    list.MaxListSize(2);
    EXPECT_EQ(list.GetList(), (Entries{"c", "b", "a"}));
    list.MaxListSize(1);
    EXPECT_EQ(list.GetList(), (Entries{"c", "b"}));
    list.MaxListSize(0);
    list.MaxListSize(-3);
    EXPECT_EQ(list.MaxListSize(), 1) << "sizes below 1 are ignored";
    list.MaxListSize(3);
    EXPECT_EQ(list.GetList(), (Entries{"c", "b", "", ""}));
    EXPECT_EQ(list.GetListString(), "c,b,,");

    EXPECT_FALSE(list.Clear());
    EXPECT_EQ(list.GetList(), (Entries{"", "", "", ""}));
}

class MRUListStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH));
        store = platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
        // The store's own selection, which the lists must leave alone.
        store->put_Category(100);
        store->put_Section(3);
    }

    void expectStoreSelection(const char* when)
    {
        EXPECT_EQ(store->get_Category(), 100) << when;
        EXPECT_EQ(store->get_Section(), 3) << when;
    }

    Variant storedValue(std::int16_t category, std::int16_t section, const std::string& name)
    {
        store->put_Category(category);
        store->put_Section(section);
        Variant value = store->get_Value(name);
        store->put_Category(100);
        store->put_Section(3);
        return value;
    }

    vellum::ComPtr<vellum::IVellumKeyedStore> store;
};

std::string separators(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += kSeparator;
    return text;
}

TEST_F(MRUListStore, TheStoredStringHoldsEveryEntryBetweenSeparators)
{
    CMRUList list;
    list.AddItem("y");
    list.AddItem("x");
    EXPECT_FALSE(list.SaveList(*store, 10000, 2, "Reliability"));
    EXPECT_EQ(storedValue(10000, 2, "Reliability"), Variant("x" + kSeparator + "y" + separators(9)));
    expectStoreSelection("after SaveList");
}

TEST_F(MRUListStore, SavingAndLoadingKeepsTheListExactly)
{
    CMRUList saved;
    for (const char* text : {"y", "", "x", "", "w\xE2\x82\xAC"}) saved.AddItem(text);
    saved.SaveList(*store, 10000, 1, "Method");

    CMRUList loaded;
    loaded.AddItem("old");
    EXPECT_TRUE(loaded.LoadList(*store, 10000, 1, "Method"));
    expectStoreSelection("after LoadList");
    EXPECT_EQ(loaded.GetList(), saved.GetList());
    EXPECT_EQ(loaded.GetList(), entries({"w", "", "x", "y"}));
}

TEST_F(MRUListStore, ANameNeverSavedEmptiesTheList)
{
    CMRUList list;
    list.AddItem("a");
    EXPECT_FALSE(list.LoadList(*store, 10000, 0, "User1"));
    EXPECT_EQ(list.GetList(), entries({}));
    expectStoreSelection("after LoadList");
}

TEST_F(MRUListStore, StoredPartsBeyondTheLastEntryAreDropped)
{
    CMRUList saved;
    for (const char* text : {"e", "d", "c", "b", "a"}) saved.AddItem(text);
    saved.SaveList(*store, 10000, 0, "User2");

    CMRUList shorter;
    shorter.MaxListSize(2);
    EXPECT_TRUE(shorter.LoadList(*store, 10000, 0, "User2"));
    EXPECT_EQ(shorter.GetList(), (Entries{"a", "b", "c"}));
}

TEST_F(MRUListStore, ACategoryOrSectionBeyond16BitsOverflowsAndLeavesTheStoreAlone)
{
    CMRUList list;
    list.AddItem("a");
    for (const auto& [category, section] : {std::pair{32768, 0}, std::pair{0, 32768}, std::pair{-32769, 0}}) {
        SCOPED_TRACE(::testing::Message() << "category " << category << ", section " << section);
        try {
            list.SaveList(*store, category, section, "Method");
            ADD_FAILURE() << "SaveList raised nothing";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), platform::runtime::errors::Overflow);
        }
        expectStoreSelection("after SaveList");
        EXPECT_THROW(list.LoadList(*store, category, section, "Method"), RuntimeError);
        expectStoreSelection("after LoadList");
        EXPECT_EQ(list.GetList(), entries({"a"})) << "a failed load keeps the list";
    }
    EXPECT_TRUE(storedValue(0, 0, "Method").isNull()) << "nothing was written anywhere";
}

TEST_F(MRUListStore, AFailingWriteStillRestoresTheStoreSelection)
{
    CMRUList list;
    list.AddItem(std::string(70000, 'm'));
    EXPECT_THROW(list.SaveList(*store, 10000, 0, "Method"), RuntimeError);
    expectStoreSelection("after the store refused the text");
}

}  // namespace
}  // namespace brisance
