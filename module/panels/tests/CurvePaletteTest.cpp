#include "module/panels/CurvePalette.h"
#include "module/panels/PaletteButton.h"
#include "module/panels/tests/ControlImage.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/TestResponder.h"
#include "platform/ui/Twips.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
namespace ui = platform::ui;
using platform::runtime::Variant;
using Events = std::vector<std::string>;

const QPoint kLeftHalf(20, 12);

// A palette in a shown window, recording its events by name.
class CurvePaletteTest : public ::testing::Test {
protected:
    CurvePaletteTest() : palette(new CurvePalette(&window))
    {
        window.resize(500, 120);
        palette->setGeometry(0, 0, 500, 120);
        const auto record = [this](const char* name) { return [this, name] { events.push_back(name); }; };
        QObject::connect(palette, &CurvePalette::ButtonChange, record("ButtonChange"));
        QObject::connect(palette, &CurvePalette::HideCurve, record("HideCurve"));
        QObject::connect(palette, &CurvePalette::ShowCurve, record("ShowCurve"));
        QObject::connect(palette, &CurvePalette::RemoveButton, record("RemoveButton"));
        QObject::connect(palette, &CurvePalette::TestProperties, record("TestProperties"));
        QObject::connect(palette, &CurvePalette::AddTest, record("AddTest"));
        palette->ShowButtonBaseText("Show %TESTNAME%");
        palette->HideButtonBaseText("Hide %TESTNAME%");
        palette->RemoveTestCaption("Remove test");
        palette->EditTestCaption("Test properties");
        palette->AddButtonCaption("Add test");
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Fills the palette as the views do: tests 1 to count.
    std::vector<PaletteButton*> fill(int count)
    {
        palette->ClearButtons();
        std::vector<PaletteButton*> buttons;
        for (int id = 1; id <= count; ++id) {
            PaletteButton* button = palette->AddButton();
            button->ItemData(Variant(std::int32_t(id)));
            button->Caption("Test " + std::to_string(id));
            buttons.push_back(button);
        }
        palette->Refresh();
        return buttons;
    }

    QMenu* openMenu() const { return palette->findChild<QMenu*>("popupMenu"); }

    QWidget window;
    CurvePalette* palette;
    Events events;
};

TEST_F(CurvePaletteTest, ALeftClickSelectsItsButtonAndReleasesTheOthers)
{
    const auto buttons = fill(3);
    palette->PressButton(Variant(std::int32_t(1)));
    buttons[2]->ButtonState(Tolvane_ButtonDown);
    events.clear();

    QTest::mouseClick(buttons[1], Qt::LeftButton, {}, kLeftHalf);
    EXPECT_EQ(events, Events{"ButtonChange"});
    EXPECT_EQ(palette->SelectedButton(), buttons[1]->InternalObject());
    EXPECT_EQ(buttons[0]->ButtonState(), Tolvane_ButtonUp);
    EXPECT_EQ(buttons[1]->ButtonState(), Tolvane_ButtonDown);
    EXPECT_EQ(buttons[2]->ButtonState(), Tolvane_ButtonUp);
}

TEST_F(CurvePaletteTest, PressingSelectsByItemDataAndLeavesTheOtherButtons)
{
    const auto buttons = fill(3);
    buttons[0]->ButtonState(Tolvane_ButtonDown);
    palette->PressButton(Variant(3.0));  // numerically equal to the 32-bit 3
    EXPECT_EQ(events, Events{"ButtonChange"});
    EXPECT_EQ(palette->SelectedButton(), buttons[2]->InternalObject());
    EXPECT_EQ(buttons[2]->ButtonState(), Tolvane_ButtonDown);
    EXPECT_EQ(buttons[0]->ButtonState(), Tolvane_ButtonDown) << "the other buttons are not touched";

    palette->PressButton(Variant(std::int32_t(9)));
    palette->PressButton(Variant(std::int16_t(-1)));
    EXPECT_EQ(events, Events{"ButtonChange"}) << "no button carries 9 or -1";
    EXPECT_EQ(palette->SelectedButton(), buttons[2]->InternalObject());

    palette->PressButton();
    EXPECT_EQ(palette->SelectedButton(), buttons[0]->InternalObject()) << "without an argument: the first button";
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(CurvePaletteTest, AnEmptiedPaletteHoldsNoStaleTest)
{
    const auto buttons = fill(2);
    buttons[0]->HiddenState(true);
    buttons[0]->LeftImageIndex(2);
    buttons[0]->AlwaysActAsOneButton(true);
    palette->PressButton();
    events.clear();

    palette->ClearButtons();
    EXPECT_EQ(palette->SelectedButton(), nullptr);
    EXPECT_EQ(palette->RightClickedButton(), nullptr);
    PaletteButton& first = *buttons[0];
    EXPECT_FALSE(first.isVisible());
    EXPECT_TRUE(first.InternalObject()->ItemDataEquals(Variant(std::int16_t(-1))));
    EXPECT_EQ(first.ButtonState(), Tolvane_ButtonUp);
    EXPECT_EQ(first.Caption(), "");
    EXPECT_EQ(first.LeftImageIndex(), 0);
    EXPECT_FALSE(first.HiddenState());
    EXPECT_FALSE(first.AlwaysActAsOneButton());

    palette->PressButton();
    palette->PressButton(Variant(std::int32_t(1)));
    palette->PressButton(Variant(std::int16_t(-1)));
    EXPECT_EQ(events, Events{});
    EXPECT_EQ(palette->SelectedButton(), nullptr);
    EXPECT_EQ(palette->Button(-1), nullptr);
}

TEST_F(CurvePaletteTest, RefillingReusesTheFirstButtonAndLoadsTheRest)
{
    const auto before = fill(3);
    palette->ClearButtons();
    EXPECT_EQ(palette->AddButton(), before[0]);
    PaletteButton* second = palette->AddButton();
    EXPECT_NE(second, before[0]);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(palette->findChildren<PaletteButton*>().size(), 2u) << "the buttons beyond the first were unloaded";
    EXPECT_TRUE(second->isVisible());
}

TEST_F(CurvePaletteTest, FindsButtonsByTheirIdAsANumber)
{
    const auto buttons = fill(3);
    buttons[1]->ItemData(Variant(std::int16_t(7)));
    buttons[2]->ItemData(Variant(std::int32_t(70000)));
    EXPECT_EQ(palette->Button(7), buttons[1]->InternalObject());
    EXPECT_EQ(palette->Button(70000), buttons[2]->InternalObject());
    EXPECT_EQ(palette->Button(1), buttons[0]->InternalObject());
    EXPECT_EQ(palette->Button(4), nullptr);
}

TEST_F(CurvePaletteTest, ARightClickOffersHidingOrShowingTheTest)
{
    const struct {
        bool hidden;
        const char* showTemplate;
        const char* hideTemplate;
        const char* offered;
        const char* notOffered;
        const char* caption;
        const char* chosenEvent;
    } cases[] = {
        {false, "Show %TESTNAME%", "Hide %TESTNAME% (%TESTNAME%)", "mnuHideCurve", "mnuShowCurve", "Hide Test 2 (Test 2)",
         "HideCurve"},
        {true, "Show %TESTNAME%", "Hide %TESTNAME%", "mnuShowCurve", "mnuHideCurve", "Show Test 2", "ShowCurve"},
        {true, "Show the test", "Hide the test", "mnuShowCurve", "mnuHideCurve", "Show the test", "ShowCurve"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const auto buttons = fill(3);
        buttons[1]->HiddenState(c.hidden);
        palette->ShowButtonBaseText(c.showTemplate);
        palette->HideButtonBaseText(c.hideTemplate);
        events.clear();

        QTest::mouseClick(buttons[1], Qt::RightButton, {}, kLeftHalf);
        EXPECT_EQ(palette->RightClickedButton(), buttons[1]->InternalObject());
        EXPECT_EQ(palette->SelectedButton(), nullptr) << "a right click selects nothing";
        QMenu* menu = openMenu();
        ASSERT_NE(menu, nullptr);
        auto* offered = menu->findChild<QAction*>(c.offered);
        ASSERT_NE(offered, nullptr);
        EXPECT_EQ(menu->findChild<QAction*>(c.notOffered), nullptr);
        EXPECT_EQ(offered->text().toStdString(), c.caption);
        EXPECT_EQ(menu->defaultAction(), offered) << "the offered item is drawn bold";
        EXPECT_NE(menu->findChild<QAction*>("mnuRemoveTest"), nullptr);
        EXPECT_NE(menu->findChild<QAction*>("mnuEditTestProperties"), nullptr);

        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(offered).center());
        EXPECT_EQ(events, Events{c.chosenEvent});
    }
}

TEST_F(CurvePaletteTest, TheMenuItemsRaiseTheirEventsOnlyWhileARightClickedButtonIsSet)
{
    const auto buttons = fill(2);
    QTest::mouseClick(buttons[0], Qt::RightButton, {}, kLeftHalf);
    ASSERT_NE(openMenu(), nullptr);
    openMenu()->findChild<QAction*>("mnuRemoveTest")->trigger();
    openMenu()->findChild<QAction*>("mnuEditTestProperties")->trigger();
    EXPECT_EQ(events, (Events{"RemoveButton", "TestProperties"}));

    // The palette is refilled while the menu is open: no test is right-clicked any more.
    fill(2);
    events.clear();
    for (const char* item : {"mnuHideCurve", "mnuRemoveTest", "mnuEditTestProperties"})
        openMenu()->findChild<QAction*>(item)->trigger();
    EXPECT_EQ(events, Events{});
}

TEST_F(CurvePaletteTest, TheAddTestButtonRaisesAddTestAndCanBeHidden)
{
    fill(1);
    auto* cmdAddTest = palette->findChild<QPushButton*>("cmdAddTest");
    EXPECT_EQ(cmdAddTest->text(), "Add test");
    QTest::mouseClick(cmdAddTest, Qt::LeftButton);
    EXPECT_EQ(events, Events{"AddTest"});
    palette->ShowAddTestButton(false);
    EXPECT_FALSE(palette->ShowAddTestButton());
    EXPECT_FALSE(cmdAddTest->isVisible());
}

TEST_F(CurvePaletteTest, NewButtonsTakeTheSidesModeAndTheImageList)
{
    auto images = gfx::ImageList::create(16, 16);
    palette->ImageList(images);
    palette->ShowSides(true);
    PaletteButton* button = fill(1)[0];
    EXPECT_TRUE(button->DualSideMode());
    EXPECT_EQ(button->ImageList().get(), images.get());
    palette->ShowSides(false);
    EXPECT_FALSE(button->DualSideMode()) << "every loaded button follows";
    palette->RightOnLeft(true);
    EXPECT_TRUE(palette->RightOnLeft());
}

TEST_F(CurvePaletteTest, ButtonsStayInsideThePaletteAtEveryWidth)
{
    const auto buttons = fill(7);
    auto* cmdAddTest = palette->findChild<QPushButton*>("cmdAddTest");
    for (const int width : {60, 150, 330, 500, 900}) {
        SCOPED_TRACE(width);
        const int height = ui::twipsToPixelsY(palette->HeightNeeded(ui::pixelsToTwipsX(width)));
        palette->setGeometry(0, 0, width, height);
        const QRect client = palette->rect().adjusted(2, 2, -2, -2);  // inside the etched edge
        QRect last;
        int rowsEnd = 0;
        for (PaletteButton* button : buttons) {
            EXPECT_TRUE(client.contains(button->geometry())) << button->Caption();
            EXPECT_EQ(button->size(), buttons[0]->size()) << "one size for all";
            last = button->geometry();
            rowsEnd = std::max(rowsEnd, last.right());
        }
        EXPECT_TRUE(client.contains(cmdAddTest->geometry()));
        EXPECT_TRUE(cmdAddTest->geometry().top() > last.top()
                    || (cmdAddTest->geometry().top() == last.top() && cmdAddTest->x() > last.x()))
            << "the add-test button follows the last test";
        rowsEnd = std::max(rowsEnd, cmdAddTest->geometry().right());
        EXPECT_LE(client.right() - rowsEnd, 10) << "the rows fill the width";
    }
    EXPECT_GT(palette->HeightNeeded(ui::pixelsToTwipsX(150)), palette->HeightNeeded(ui::pixelsToTwipsX(500)));
}

TEST_F(CurvePaletteTest, DrawsAnEtchedEdgeRoundItsButtons)
{
    const auto buttons = fill(3);
    buttons[1]->ButtonState(Tolvane_ButtonDown);
    const QImage image = testing::grabControl(*palette);
    // The etched edge: a dark line outside a light one, on every side.
    const int right = palette->width() - 1;
    const int bottom = palette->height() - 1;
    for (const QPoint at : {QPoint(0, 60), QPoint(250, 0), QPoint(right - 1, 60), QPoint(250, bottom - 1)})
        EXPECT_LT(qGray(image.pixel(at)), 180) << at.x() << ", " << at.y();
    for (const QPoint at : {QPoint(1, 60), QPoint(250, 1)})
        EXPECT_EQ(qGray(image.pixel(at)), 255) << at.x() << ", " << at.y();
}

}  // namespace
}  // namespace brisance
