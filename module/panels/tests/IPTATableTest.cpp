#include "module/panels/IPTATable.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Twips.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace brisance {
namespace {

namespace ui = platform::ui;
using platform::runtime::RuntimeError;

class AveragePanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(360, 200);
        panel = new IPTATable(&window);
        panel->setGeometry(10, 10, 240, 150);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QLabel* label(const char* name)
    {
        auto* found = panel->findChild<QLabel*>(name);
        EXPECT_TRUE(found) << name;
        return found;
    }
    std::string textOf(const char* name) { return label(name)->text().toStdString(); }

    QWidget window;
    IPTATable* panel = nullptr;
};

struct RowsCase {
    bool air, bone, soundField;
    int rows;
};

void PrintTo(const RowsCase& rows, std::ostream* out)
{
    *out << (rows.air ? "AC " : "") << (rows.bone ? "BC " : "") << (rows.soundField ? "SF" : "");
}

class AveragePanelRows : public AveragePanel, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(AveragePanelRows, HiddenRowsTakeNoSpace)
{
    const RowsCase& rows = GetParam();
    panel->ShowACAverage(rows.air);
    panel->ShowBCAverage(rows.bone);
    panel->ShowSFAverage(rows.soundField);

    EXPECT_EQ(panel->HeightNeeded(), 780 + rows.rows * 300 + 120);
    EXPECT_EQ(panel->sizeHint().height(), ui::twipsToPixelsY(panel->HeightNeeded()));

    // The shown rows stand one under the other from the first row's place.
    int top = 780;
    const std::array<std::pair<bool, std::array<const char*, 3>>, 3> table = {{
        {rows.air, {"lblACCaption", "lblACRight", "lblACLeft"}},
        {rows.bone, {"lblBCCaption", "lblBCRight", "lblBCLeft"}},
        {rows.soundField, {"lblSFCaption", "lblSF", nullptr}},
    }};
    for (const auto& [shown, names] : table) {
        for (const char* name : names) {
            if (!name) continue;
            EXPECT_EQ(label(name)->isVisible(), shown) << name;
            if (shown) {
                EXPECT_EQ(label(name)->y(), ui::twipsToPixelsY(top)) << name;
            }
        }
        if (shown) top += 300;
    }
}

INSTANTIATE_TEST_SUITE_P(ShowFlags, AveragePanelRows,
                         ::testing::Values(RowsCase{true, true, true, 3}, RowsCase{true, false, true, 2},
                                           RowsCase{false, true, false, 1}, RowsCase{false, false, false, 0}));

TEST_F(AveragePanel, ShowsItsTextsWhereTheirSettersPutThem)
{
    panel->Caption("Pure-Tone Average");
    panel->RightEarCaption("R");
    panel->LeftEarCaption("L");
    panel->ACCaption("AC");
    panel->BCCaption("BC");
    panel->SFCaption("SF");
    panel->ACRightAverage("30");
    panel->ACLeftAverage("25");
    panel->BCRightAverage("15");
    panel->BCLeftAverage("");
    panel->SFAverage("40");

    EXPECT_EQ(textOf("lblCaption"), "Pure-Tone Average");
    EXPECT_EQ(textOf("lblRightHead"), "R");
    EXPECT_EQ(textOf("lblLeftHead"), "L");
    EXPECT_EQ(textOf("lblACCaption"), "AC");
    EXPECT_EQ(textOf("lblBCCaption"), "BC");
    EXPECT_EQ(textOf("lblSFCaption"), "SF");
    EXPECT_EQ(textOf("lblACRight"), "30");
    EXPECT_EQ(textOf("lblACLeft"), "25");
    EXPECT_EQ(textOf("lblBCRight"), "15");
    EXPECT_EQ(textOf("lblBCLeft"), "");
    EXPECT_EQ(textOf("lblSF"), "40");
    EXPECT_EQ(panel->ACRightAverage(), "30");
    EXPECT_EQ(panel->ACLeftAverage(), "25");
    EXPECT_EQ(panel->BCRightAverage(), "15");
    EXPECT_EQ(panel->BCLeftAverage(), "");
    EXPECT_EQ(panel->SFAverage(), "40");

    // The right ear's column stands left of the left ear's, under its head.
    EXPECT_LT(label("lblACRight")->x(), label("lblACLeft")->x());
    EXPECT_EQ(label("lblRightHead")->x(), label("lblACRight")->x());
    EXPECT_EQ(label("lblLeftHead")->x(), label("lblBCLeft")->x());
    EXPECT_EQ(label("lblSF")->x(), label("lblACRight")->x());
    EXPECT_EQ(label("lblSF")->width(), label("lblACRight")->width() + label("lblACLeft")->width())
        << "the sound-field value spans both columns";
}

TEST_F(AveragePanel, KeepsTheMasksPerEarAndCountsEar3sFrequencies)
{
    panel->FrequencyWord(" freq.");
    panel->AverageFrequencies(3, 0x54);  // 500, 1000 and 2000 Hz
    panel->AverageFrequencies(2, 0x1F);
    panel->DoubleAverageFrequencies(3, 0x10);
    panel->DoubleAverageFrequencies(2, 0x04);
    EXPECT_EQ(panel->AverageFrequencies(3), 0x54);
    EXPECT_EQ(panel->AverageFrequencies(2), 0x1F);
    EXPECT_EQ(panel->DoubleAverageFrequencies(3), 0x10);
    EXPECT_EQ(panel->DoubleAverageFrequencies(2), 0x04);
    EXPECT_EQ(textOf("lblFrequencies"), "(3 freq.)");

    panel->AverageFrequencies(3, 0x10000 | 0x1);
    EXPECT_EQ(textOf("lblFrequencies"), "(1 freq.)") << "bits above 15 name no frequency";
}

TEST_F(AveragePanel, AnEarOtherThan3Or2IsAnInvalidArgument)
{
    for (const std::int32_t ear : {4, 1, 0}) {
        SCOPED_TRACE(ear);
        const auto expectInvalid = [](const auto& call) {
            try {
                call();
                ADD_FAILURE() << "nothing was raised";
            } catch (const RuntimeError& error) {
                EXPECT_EQ(error.number(), platform::runtime::errors::InvalidProcedureCall);
            }
        };
        expectInvalid([&] { panel->AverageFrequencies(ear, 1); });
        expectInvalid([&] { panel->AverageFrequencies(ear); });
        expectInvalid([&] { panel->DoubleAverageFrequencies(ear, 1); });
        expectInvalid([&] { panel->DoubleAverageFrequencies(ear); });
    }
    EXPECT_EQ(panel->AverageFrequencies(3), 0);
    EXPECT_EQ(panel->AverageFrequencies(2), 0);
}

TEST_F(AveragePanel, AClickOnTheCloseMarkRaisesHideMe)
{
    QSignalSpy hide(panel, &IPTATable::HideMe);
    QLabel* close = label("lblClose");
    EXPECT_EQ(close->text(), "X");
    EXPECT_GT(close->x(), panel->width() / 2) << "it stands at the top right";

    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_EQ(hide.count(), 1);
    QTest::mouseClick(close, Qt::RightButton);
    QTest::mouseClick(label("lblACCaption"), Qt::LeftButton);
    EXPECT_EQ(hide.count(), 1) << "only a left click on the mark closes";
}

TEST_F(AveragePanel, TheRightClickMenuOffersChangeFrequencies)
{
    QSignalSpy change(panel, &IPTATable::ChangeFrequencies);
    panel->ChangeFrequenciesCaption("Change Frequencies");
    QTest::mouseClick(label("lblACLeft"), Qt::RightButton);

    auto* item = panel->findChild<QAction*>("mnuChangeFrequencies");
    ASSERT_TRUE(item) << "the menu opened without waiting for a choice";
    EXPECT_EQ(item->text(), "Change Frequencies");
    EXPECT_EQ(change.count(), 0);
    item->trigger();
    EXPECT_EQ(change.count(), 1);
}

}  // namespace
}  // namespace brisance
