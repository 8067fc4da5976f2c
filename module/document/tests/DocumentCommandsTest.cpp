#include "module/document/tests/DocumentEditing.h"
#include "module/document/tests/DocumentProfileSupport.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ListView.h"
#include "module/core/TextResources.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/panels/PaletteButton.h"
#include "module/preferences/frmAudiometers.h"
#include "module/preferences/frmGeneralOptions.h"
#include "module/preferences/frmPaletteConfig.h"
#include "module/preferences/frmPreferences.h"
#include "module/preferences/frmProfileManager.h"
#include "module/preferences/frmTestProperties.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"
#include "module/views/SitedChart.h"

#include "platform/testing/ModalDialogs.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <string>
#include <tuple>
#include <vector>

namespace brisance {
namespace {

using namespace testing;
using platform::testing::ModalDialogs;

void ClickButton(docAudiogramModule& document, const char* key)
{
    QWidget* button = document.tbrMain().widgetForAction(&document.tbrMain().Button(key));
    ASSERT_NE(button, nullptr) << key;
    QTest::mouseClick(button, Qt::LeftButton);
}

// The ear charts that show, by index.
std::vector<int> ShownCharts(docAudiogramModule& document)
{
    std::vector<int> shown;
    for (int index : {0, 1})
        if (!document.oPureTone().chtEar(index).widget()->isHidden())
            shown.push_back(index);
    return shown;
}

// Each element of the show/hide-test list: caption, tag and check.
std::vector<std::tuple<std::string, std::string, bool>> ShowHideList(docAudiogramModule& document)
{
    const MenuControlArray& items = *document.Menus().mnuShowHideTest;
    std::vector<std::tuple<std::string, std::string, bool>> list;
    for (std::int32_t index = 0; index <= items.UBound(); ++index)
        if (items.Exists(index) && items.Visible(index))
            list.emplace_back(items.Caption(index), items.Tag(index), items.Checked(index));
    return list;
}

// Hides the first test shown on a palette as a user does, by a right click on
// its button and the pop-up menu's hide item; the test's palette-item ID.
std::int32_t HideFirstTestOnThePalette(CurvePalette& palette)
{
    for (PaletteButton* shown : palette.findChildren<PaletteButton*>("butPal")) {
        if (!shown->isVisible() || !shown->InternalObject())
            continue;
        const auto id = static_cast<std::int32_t>(shown->InternalObject()->ItemData().toLong());
        QTest::mouseClick(shown, Qt::RightButton, {}, QPoint(shown->width() / 4, shown->height() / 2));
        QMenu* menu = palette.findChild<QMenu*>("popupMenu");
        if (!menu || !QTest::qWaitForWindowExposed(menu)) {
            ADD_FAILURE() << "the right click opened no menu";
            return id;
        }
        QAction* hide = menu->findChild<QAction*>("mnuHideCurve");
        if (!hide) {
            ADD_FAILURE() << "the menu offers no hide item";
            return id;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(hide).center());
        QCoreApplication::processEvents();
        return id;
    }
    ADD_FAILURE() << "no palette button is shown";
    return 0;
}

class DocumentCommandsTest : public DocumentProfileTest {
protected:
    docAudiogramModule& OpenWith(const Keys& keys, const std::optional<platform::runtime::Variant>& rightOnLeft = {})
    {
        Keys all = StandardPalettes();
        all.insert(all.end(), keys.begin(), keys.end());
        StoreProfiles({{0, "Clinic", true, all}}, rightOnLeft);
        docAudiogramModule& opened = OpenDocument();
        EXPECT_TRUE(opened.Initialized());
        return opened;
    }
};

TEST_F(DocumentCommandsTest, ToolbarButtonsReachTheirCommands)
{
    docAudiogramModule& document = OpenWith({{"PTPanels", std::int32_t{7}}});
    ASSERT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew);

    ClickButton(document, "SingleGraph");
    EXPECT_EQ(document.oPureTone().Mode(), 0);
    ClickButton(document, "SingleGraph");
    EXPECT_EQ(document.oPureTone().Mode(), 0) << "the pressed button changes nothing";
    ClickButton(document, "DualGraph");
    EXPECT_EQ(document.oPureTone().Mode(), 1);

    ClickButton(document, "Save");
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeEditable);
    ClickButton(document, "New");
    EXPECT_EQ(document.DocumentMode(), docAudiogramModule::kModeNew);

    {
        ModalDialogs dialogs;
        dialogs.answer<frmTestProperties>([](frmTestProperties& dialog) { dialog.reject(); });
        ClickButton(document, "TestConditions");
    }
    document.tabMain().Select("IMPEDANCE");
    {
        ModalDialogs none;  // nothing may open
        document.Menus().mnuEditTestConditions->trigger();
    }

    emit document.tbrMain().ButtonClick("Bogus");
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown().back().text, "Button not yet implemented");
    EXPECT_EQ(responder.shown().back().style & platform::ui::MB_ICONMASK, platform::ui::MB_ICONINFORMATION);
    EXPECT_EQ(responder.shown().back().title, UiText(TR_PROGRAM_TITLE));
}

TEST_F(DocumentCommandsTest, TheUndoButtonTakesBackAPlottedPointAndIsEnabledOnlyWithSomethingToUndo)
{
    docAudiogramModule& document = OpenWith({});
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    const QWidget& undo = *document.tbrMain().widgetForAction(&document.tbrMain().Button("Undo"));
    EXPECT_FALSE(undo.isEnabled()) << "nothing to undo yet";

    SelectFirstTest(document.oPureTone());
    ClickChart(document.oPureTone(), 0, k1000Hz, 40);
    ASSERT_EQ(PureTonePoints(*document.oPureTone().DataLayer()).size(), 1u);
    EXPECT_TRUE(undo.isEnabled());

    ClickButton(document, "Undo");

    EXPECT_TRUE(PureTonePoints(*document.oPureTone().DataLayer()).empty());
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_FALSE(document.Menus().mnuEditUndo->isEnabled());
}

TEST_F(DocumentCommandsTest, GraphModeTogglesAndZoomExistsOnlyWithOneChartPerEar)
{
    docAudiogramModule& document = OpenWith({});
    DocumentMenus& m = document.Menus();
    for (const std::int32_t mode : {0, 1}) {
        m.mnuViewGraphMode->trigger();
        EXPECT_EQ(document.oPureTone().Mode(), mode);
        EXPECT_EQ(m.mnuViewGraphMode->text().toStdString(),
                  UiText(mode == 1 ? TR_SINGLE_GRAPH : TR_SEPARATE_RIGHTLEFT_GRAPHS));
        EXPECT_TRUE(document.tbrMain().Pressed(mode == 1 ? "DualGraph" : "SingleGraph"));
        for (QAction* item : {m.mnuViewNormal, m.mnuViewZoomLeft, m.mnuViewZoomRight})
            EXPECT_EQ(item->isEnabled(), mode == 1);
        for (const char* key : {"ZoomLeft", "ZoomRight", "ZoomNormal"})
            EXPECT_EQ(document.tbrMain().Enabled(key), mode == 1);
    }
}

TEST_F(DocumentCommandsTest, ZoomByMenuGoesByPlaceAndByButtonByEar)
{
    struct Case {
        bool rightOnLeft;
        const char* command;  // a menu item, or a toolbar key
        const char* pressed;
        const char* sameChartAs;  // the command that shows the same chart
    };
    const Case cases[] = {
        {false, "menu left", "ZoomLeft", "ZoomLeft"},
        {false, "menu right", "ZoomRight", "ZoomRight"},
        {true, "menu left", "ZoomRight", "ZoomRight"},
        {true, "menu right", "ZoomLeft", "ZoomLeft"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + (c.rightOnLeft ? ", right on left" : ""));
        docAudiogramModule& document = OpenWith({{"PTPanels", std::int32_t{5}}}, platform::runtime::Variant(c.rightOnLeft));
        DocumentMenus& m = document.Menus();

        (std::string(c.command) == "menu left" ? m.mnuViewZoomLeft : m.mnuViewZoomRight)->trigger();
        const std::vector<int> byMenu = ShownCharts(document);
        ASSERT_EQ(byMenu.size(), 1u);
        EXPECT_TRUE(document.tbrMain().Pressed(c.pressed));
        for (QAction* item : {m.mnuViewAverage, m.mnuViewTableViewer, m.mnuViewNotes, m.mnuViewGraphMode})
            EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
        EXPECT_FALSE(document.tbrMain().Enabled("SingleGraph"));

        ClickButton(document, "ZoomNormal");
        EXPECT_EQ(ShownCharts(document), (std::vector<int>{0, 1}));
        ClickButton(document, c.sameChartAs);
        EXPECT_EQ(ShownCharts(document), byMenu);

        m.mnuViewNormal->trigger();
        EXPECT_EQ(ShownCharts(document), (std::vector<int>{0, 1}));
        EXPECT_TRUE(document.tbrMain().Pressed("ZoomNormal"));
        EXPECT_TRUE(m.mnuViewAverage->isChecked());
        EXPECT_TRUE(m.mnuViewTableViewer->isChecked());
        EXPECT_FALSE(m.mnuViewNotes->isChecked());
        EXPECT_TRUE(document.oPureTone().ShowPureToneAverage());
        EXPECT_TRUE(document.oPureTone().ShowTestDataTable());
        EXPECT_FALSE(document.oPureTone().ShowNotes());
        for (QAction* item : {m.mnuViewAverage, m.mnuViewTableViewer, m.mnuViewNotes, m.mnuViewGraphMode})
            EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
        CloseDocument();
    }
}

TEST_F(DocumentCommandsTest, PanelTogglesActOnTheShownViewAndReflexPanelsOnAnyTab)
{
    docAudiogramModule& document = OpenWith({{"PTPanels", std::int32_t{7}}, {"SPPanels", std::int32_t{7}},
                                             {"SPShowGraph", true}, {"IMPanels", std::int32_t{2}}});
    DocumentMenus& m = document.Menus();
    CPureTone& pureTone = document.oPureTone();
    CSpeech& speech = document.oSpeech();
    CImpedance& impedance = document.oImpedance();

    m.mnuViewNotes->trigger();
    m.mnuViewTableViewer->trigger();
    EXPECT_FALSE(pureTone.ShowNotes());
    EXPECT_FALSE(pureTone.ShowTestDataTable());
    EXPECT_FALSE(m.mnuViewNotes->isChecked());
    EXPECT_TRUE(speech.ShowNotes());

    document.tabMain().Select("SPEECH");
    m.mnuViewAverage->trigger();
    EXPECT_FALSE(speech.ShowPureToneAverage());
    EXPECT_TRUE(pureTone.ShowPureToneAverage());

    document.tabMain().Select("IMPEDANCE");
    m.mnuViewTableViewer->trigger();
    m.mnuViewAverage->trigger();
    m.mnuViewNotes->trigger();
    EXPECT_FALSE(impedance.ShowNotes());
    EXPECT_TRUE(speech.ShowGraphTable());
    EXPECT_FALSE(speech.ShowPureToneAverage());
    EXPECT_FALSE(pureTone.ShowTestDataTable());

    document.tabMain().Select("PURETONE");
    m.mnuViewIpsi->trigger();
    m.mnuViewContra->trigger();
    m.mnuViewTymp->trigger();
    EXPECT_TRUE(impedance.ShowIpsi());
    EXPECT_TRUE(impedance.ShowContra());
    EXPECT_TRUE(impedance.ShowTymp());
    EXPECT_TRUE(m.mnuViewTymp->isChecked());
}

TEST_F(DocumentCommandsTest, HidingATestHidesItsCurvesAndFlipsTheCheck)
{
    docAudiogramModule& document = OpenWith({});
    MenuControlArray& tests = *document.Menus().mnuShowHideTest;
    ASSERT_TRUE(tests.Visible(0));
    ASSERT_TRUE(tests.Checked(0));
    const auto item = document.oPureTone().PaletteItems()->ItemByID(std::stoi(tests.Tag(0)));
    ASSERT_NE(item, nullptr);

    tests.Action(0).trigger();
    EXPECT_FALSE(tests.Checked(0));
    EXPECT_TRUE(item->HideInGraph);

    document.tabMain().Select("IMPEDANCE");
    tests.Action(0).trigger();
    EXPECT_TRUE(tests.Checked(0));
    EXPECT_TRUE(item->HideInGraph) << "on the impedance tab only the check flips";
}

TEST_F(DocumentCommandsTest, ATestHiddenOnAPaletteIsUncheckedInTheShowHideList)
{
    for (const char* tab : {"PURETONE", "SPEECH"}) {
        SCOPED_TRACE(tab);
        docAudiogramModule& document = OpenWith({{"SPShowGraph", true}});
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        document.tabMain().Select(tab);
        const bool speech = std::string(tab) == "SPEECH";
        CurvePalette& palette = speech ? *document.oSpeech().Palette() : *document.oPureTone().Palette();
        const CPaletteItems& items = speech ? *document.oSpeech().PaletteItems() : *document.oPureTone().PaletteItems();
        auto expected = ShowHideList(document);
        ASSERT_FALSE(expected.empty());

        const std::int32_t hidden = HideFirstTestOnThePalette(palette);

        ASSERT_NE(items.ItemByID(hidden), nullptr);
        ASSERT_TRUE(items.ItemByID(hidden)->HideInGraph) << "the palette hid nothing";
        for (auto& [caption, tag, checked] : expected)
            if (tag == std::to_string(hidden))
                checked = false;
        EXPECT_EQ(ShowHideList(document), expected);
        CloseDocument();
    }
}

TEST_F(DocumentCommandsTest, ATestAddedToTheSpeechTablesLeavesTheShowHideListToThePureToneTests)
{
    // An empty speech palette shown as tables offers its link to add tests.
    docAudiogramModule& document = OpenWith({{"SPShowGraph", false}, {"SPPalButtons", ""}});
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    document.tabMain().Select("SPEECH");
    const auto before = ShowHideList(document);
    ASSERT_FALSE(before.empty());
    QLabel& link = *document.oSpeech().findChild<QLabel*>("lblAddTests");
    ASSERT_TRUE(link.isVisible());

    ModalDialogs dialogs;
    dialogs.answer<frmPaletteConfig>([](frmPaletteConfig& dialog) {
        ListView& tests = *platform::testing::child<ListView>(dialog, "lvwTests");
        ASSERT_GT(tests.topLevelItemCount(), 0);
        QTest::mouseClick(tests.viewport(), Qt::LeftButton, {}, tests.visualItemRect(tests.topLevelItem(0)).center());
        platform::testing::click(platform::testing::child<QPushButton>(dialog, "cmdAddToPalette0"));
        platform::testing::click(platform::testing::child<QPushButton>(dialog, "cmdOK"));
    });
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, link.height() / 2));

    ASSERT_EQ(document.oSpeech().PaletteItems()->Count(), 1) << "no test was added";
    EXPECT_EQ(ShowHideList(document), before);
}

TEST_F(DocumentCommandsTest, TheHiddenButtonsPopUpTheirMenus)
{
    docAudiogramModule& document = OpenWith({});
    QTest::keyClick(&document.oPureTone(), Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
    DocumentMenus& m = document.Menus();
    const QMenu* menus[] = {m.mnuFile, m.mnuEdit, m.mnuAudiometerMain, m.mnuTools, m.mnuView};
    for (int index = 0; index < 5; ++index) {
        ASSERT_TRUE(document.cmdTemp(index).isVisibleTo(&document));
        QTest::mouseClick(&document.cmdTemp(index), Qt::LeftButton);
        EXPECT_TRUE(platform::testing::processUntil([&] { return menus[index]->isVisible(); })) << index;
        const_cast<QMenu*>(menus[index])->close();
    }
}

}  // namespace
}  // namespace brisance
