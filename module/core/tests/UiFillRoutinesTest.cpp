#include "module/core/UiFillRoutines.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ListView.h"
#include "module/core/tests/TextsTestSupport.h"
#include "module/core/TextBoxLists.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisance {
namespace {

using platform::runtime::testing::errorNumberOf;
namespace errors = platform::runtime::errors;

class UiFillRoutinesTest : public testing::ModuleTextsTest {};

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
