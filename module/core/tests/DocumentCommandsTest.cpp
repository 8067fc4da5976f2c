#include "module/core/tests/DocumentProfileSupport.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/KeyedTabStrip.h"
#include "module/core/KeyedToolBar.h"
#include "module/core/TextResources.h"
#include "module/preferences/frmAudiometers.h"
#include "module/preferences/frmGeneralOptions.h"
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
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

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
