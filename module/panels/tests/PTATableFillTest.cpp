#include "module/panels/PTATableFill.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/tests/TextsTestSupport.h"
#include "module/panels/IPTATable.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace brisance {
namespace {

class PTATableFillTest : public testing::ModuleTextsTest {};

TEST_F(PTATableFillTest, TheAveragePanelShowsTheChosenAveragesCaptionedByTheirTests)
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

}  // namespace
}  // namespace brisance
