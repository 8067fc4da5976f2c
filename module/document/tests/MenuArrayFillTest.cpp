#include "module/document/MenuArrayFill.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CPaletteItems.h"
#include "module/document/MenuControlArray.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::testing::errorNumberOf;
namespace errors = platform::runtime::errors;

// The menu's entries as "caption[x]#tag" ("[ ]" unchecked), hidden ones left out.
std::vector<std::string> Entries(const MenuControlArray& array)
{
    std::vector<std::string> entries;
    for (std::int32_t i = 0; i <= array.UBound(); ++i) {
        if (array.Exists(i) && array.Visible(i))
            entries.push_back(array.Caption(i) + (array.Checked(i) ? "[x]#" : "[ ]#") + array.Tag(i));
    }
    return entries;
}

TEST(MenuControlArray, ElementsLoadInIndexOrderAndClicksLeaveTheCheckToTheOwner)
{
    QMenu menu;
    menu.addAction("Before");
    MenuControlArray array(menu);
    menu.addAction("After");
    array.Caption(0, "zero");
    array.Load(2);
    array.Caption(2, "two");
    array.Load(1);
    array.Caption(1, "one");
    QStringList order;
    for (const QAction* action : menu.actions())
        order << action->text();
    EXPECT_EQ(order, (QStringList{"Before", "zero", "one", "two", "After"}));
    EXPECT_EQ(array.Count(), 3);

    std::vector<std::int32_t> clicked;
    QObject::connect(&array, &MenuControlArray::Click, [&](std::int32_t index) { clicked.push_back(index); });
    array.Checked(1, true);
    array.Action(1).trigger();
    EXPECT_EQ(clicked, std::vector<std::int32_t>{1});
    EXPECT_TRUE(array.Checked(1)) << "a click does not toggle the check mark";

    EXPECT_EQ(errorNumberOf([&] { array.Load(1); }), 360);
    EXPECT_EQ(errorNumberOf([&] { array.Unload(0); }), 362);
    EXPECT_EQ(errorNumberOf([&] { array.Caption(3); }), errors::ControlArrayElementMissing);
    array.Unload(2);
    EXPECT_EQ(array.UBound(), 1);
    EXPECT_EQ(menu.actions().size(), 4);
}

TEST(FillMenuArray, OneEntryPerPaletteItemAndEntryZeroAsItWasWithoutItems)
{
    CCurvePrefs tests;
    CPaletteItems items;
    for (const auto& [key, label] : {std::pair{"1-1-1-", "AC"}, std::pair{"1-2-1-", "BC"}, std::pair{"1-3-1-", "SF"}}) {
        const auto test = tests.Add(key);
        test->Label = label;
        items.Add(test);
    }
    items.ItemByID(1)->HideInGraph = true;
    QMenu menu;
    MenuControlArray array(menu);

    FillMenuArray(array, items);
    EXPECT_EQ(Entries(array), (std::vector<std::string>{"AC[x]#0", "BC[ ]#1", "SF[x]#2"}));

    items.RemoveByID(0);
    items.RemoveByID(2);
    FillMenuArray(array, items);
    EXPECT_EQ(Entries(array), (std::vector<std::string>{"BC[ ]#1"}));
    EXPECT_EQ(array.Count(), 1) << "the entries beyond the items are unloaded";

    items.Clear();
    FillMenuArray(array, items);
    EXPECT_EQ(array.Count(), 1);
    EXPECT_EQ(Entries(array), (std::vector<std::string>{"BC[ ]#1"})) << "an empty collection leaves entry 0 as it was";

    items.Add(tests.Item("1-3-1-"));
    FillMenuArray(array, items);
    EXPECT_EQ(Entries(array), (std::vector<std::string>{"SF[x]#0"}));
}

}  // namespace
}  // namespace brisance
