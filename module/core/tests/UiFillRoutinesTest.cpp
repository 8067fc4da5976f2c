#include "module/core/UiFillRoutines.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ListView.h"
#include "module/core/MenuControlArray.h"
#include "module/core/TextBoxLists.h"
#include "module/core/tests/TextsTestSupport.h"
#include "module/panels/IPTATable.h"
#include "module/views/CPaletteItems.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

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

class UiFillRoutinesTest : public testing::ModuleTextsTest {};

TEST_F(UiFillRoutinesTest, TheAveragePanelShowsTheChosenAveragesCaptionedByTheirTests)
{
    CCurvePrefs& tests = *ModuleGlobals::CurvePrefs();
    tests.Add("1-1-1-")->Label = "AC";
    tests.Add("1-2-1-")->Label = "BC";
    QWidget window;
    auto* panel = new IPTATable(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto label = [&](const char* name) { return panel->findChild<QLabel*>(name); };
    panel->BCCaption("kept");

    FillPTATable(*panel, 5);
    EXPECT_TRUE(label("lblACCaption")->isVisible());
    EXPECT_FALSE(label("lblBCCaption")->isVisible());
    EXPECT_TRUE(label("lblSFCaption")->isVisible());
    EXPECT_EQ(label("lblACCaption")->text(), "AC");
    EXPECT_EQ(label("lblBCCaption")->text(), "kept") << "a hidden average keeps its caption";
    EXPECT_EQ(label("lblSFCaption")->text(), "##") << "no sound-field test";

    FillPTATable(*panel, 2);
    EXPECT_FALSE(label("lblACCaption")->isVisible());
    EXPECT_TRUE(label("lblBCCaption")->isVisible());
    EXPECT_EQ(label("lblBCCaption")->text(), "BC");
}

TEST_F(UiFillRoutinesTest, TheTestListHoldsTheTestsOfOneKindWithKeysTagsAndCaptions)
{
    CCurvePrefs tests;
    const auto add = [&](const char* key, const char* label, CurvePrefType kind, std::int32_t curveType) {
        const auto test = tests.Add(key);
        test->Label = label;
        test->PrefType = kind;
        test->TestType = curveType;
        test->Condition = 2;
        test->WordList = 10;
    };
    add("1-1-1-", "AC", PrefType_PureTone, 1);
    add("1-1-10-1-", "WR", PrefType_Speech, 10);
    add("1-3-1-", "SF", PrefType_PureTone, 3);

    ListView list;
    list.setHeaderLabels({"Test", "Description"});
    list.AddItem("K99", "left over", 1);
    FillTestList(list, tests, PrefType_PureTone);
    ASSERT_EQ(list.topLevelItemCount(), 2);
    struct Row {
        const char* key;
        const char* text;
        const char* description;
        const char* tag;
    };
    const Row rows[] = {{"K1", "AC", "Threshold / Phones / Unaided ", "1"}, {"K3", "SF", "Threshold / Speaker / Unaided ", "3"}};
    for (int i = 0; i < 2; ++i) {
        const QTreeWidgetItem& item = *list.topLevelItem(i);
        EXPECT_EQ(ListView::Key(item), rows[i].key);
        EXPECT_EQ(item.text(0).toStdString(), rows[i].text);
        EXPECT_EQ(item.text(1).toStdString(), rows[i].description) << "the UI loader's words";
        EXPECT_EQ(ListView::Tag(item), rows[i].tag);
        EXPECT_EQ(ListView::Icon(item), 1);
    }
    EXPECT_EQ(list.FindItem("K3"), list.topLevelItem(1));
    EXPECT_EQ(list.FindItem("K2"), nullptr) << "the speech test is not listed";

    ListView oneColumn;
    FillTestList(oneColumn, tests, PrefType_Speech);
    ASSERT_EQ(oneColumn.topLevelItemCount(), 1);
    EXPECT_EQ(ListView::Icon(*oneColumn.topLevelItem(0)), 2);
    EXPECT_EQ(oneColumn.topLevelItem(0)->text(1), "") << "no second column, no description";
    EXPECT_EQ(errorNumberOf([&] { oneColumn.AddItem("K2", "again", 2); }), 35602);
}

TEST(TextBoxLists, ARowOfBoxesHoldsACommaSeparatedList)
{
    std::vector<QLineEdit*> boxes;
    QWidget page;
    for (int i = 0; i < 3; ++i)
        boxes.push_back(new QLineEdit(&page));
    for (int i = 0; i < 3; ++i)
        QTest::keyClicks(boxes[i], QString::number(i + 1));
    EXPECT_EQ(JoinTextBoxes(boxes), "1,2,3");

    struct Case {
        const char* text;
        const char* joined;
    };
    constexpr Case kCases[] = {
        {"10,20,30", "10,20,30"},
        {"40,50", "40,50,30"},         // the last box keeps its text
        {"", "40,50,30"},              // an empty text fills nothing
        {"7,8,9,10,11", "7,8,9"},      // pieces beyond the last box are left out
        {",,", ",,"},
    };
    for (const Case& c : kCases) {
        FillTextBoxes(boxes, c.text);
        EXPECT_EQ(JoinTextBoxes(boxes), c.joined) << '"' << c.text << '"';
    }

    std::vector<QLineEdit*> gap{boxes[0], nullptr, boxes[2]};
    EXPECT_EQ(JoinTextBoxes(gap), ",") << "a missing box is passed over";
    EXPECT_EQ(errorNumberOf([&] { FillTextBoxes(gap, "1,2,3"); }), errors::ControlArrayElementMissing);
    EXPECT_EQ(boxes[0]->text(), "1") << "the boxes before the gap are filled";
    EXPECT_EQ(JoinTextBoxes({}), "");
}

}  // namespace
}  // namespace brisance
