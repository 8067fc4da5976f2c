#include "module/document/tests/DocumentTestSupport.h"

#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/panels/IPTATable.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "host/HostContext.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace brisance {
namespace {

struct StatesRow {
    const char* tab;
    std::int32_t pureToneMode;
    std::int16_t undoTab;
    std::int32_t speechMode;
    bool undo, zoom, graph, testButtons;
    bool copyEar, tableViewerEnabled, showHideTests, reflexPanels;  // table viewer: when it shows
};

constexpr StatesRow kRows[] = {
    // tab          PT  undo SP   undo   zoom   graph  tests  copy   table  tests  reflexes
    {"PURETONE", 1, 0, 1, true, true, true, true, true, true, true, false},
    {"PURETONE", 0, 1, 1, false, false, true, true, true, true, true, false},
    {"SPEECH", 1, 1, 1, false, false, false, true, false, true, true, false},
    {"SPEECH", 1, 1, 0, false, false, false, true, false, false, false, false},
    {"IMPEDANCE", 1, 2, 1, true, false, false, false, false, true, false, true},
    {"IMPEDANCE", 1, -1, 0, false, false, false, false, false, true, false, true},
};

class DocumentCommandStatesTest : public testing::DocumentTest {
protected:
    void SetUp() override
    {
        DocumentTest::SetUp();
        SelectClientWithSession();
    }
};

TEST_F(DocumentCommandStatesTest, CommandsFollowTheTabTheViewsModesAndTheUndoTab)
{
    docAudiogramModule& document = OpenDocument();
    DocumentMenus& m = document.Menus();
    const KeyedToolBar& buttons = document.tbrMain();
    for (const StatesRow& row : kRows) {
        SCOPED_TRACE(std::string(row.tab) + " pure-tone mode " + std::to_string(row.pureToneMode) + " undo tab " +
                     std::to_string(row.undoTab) + " speech mode " + std::to_string(row.speechMode));
        document.oPureTone().Mode(row.pureToneMode);
        document.oSpeech().Mode(row.speechMode);
        DocumentTestAccess::SetUndoTab(document, row.undoTab);
        document.tabMain().Select(row.tab);
        DocumentTestAccess::UpdateCommandStates(document);

        EXPECT_EQ(m.mnuEditUndo->isEnabled(), row.undo);
        EXPECT_EQ(buttons.Enabled("Undo"), row.undo);
        for (const char* key : {"ZoomLeft", "ZoomNormal", "ZoomRight"})
            EXPECT_EQ(buttons.Enabled(key), row.zoom) << key;
        for (const char* key : {"SingleGraph", "DualGraph"})
            EXPECT_EQ(buttons.Enabled(key), row.graph) << key;
        for (const char* key : {"AddRemoveTest", "TestConditions"})
            EXPECT_EQ(buttons.Enabled(key), row.testButtons) << key;

        const bool pureTone = std::string(row.tab) == "PURETONE";
        for (QAction* item : {m.mnuEditCopyEar, m.mnuViewGraphMode, m.mnuViewNormal, m.mnuViewZoomLeft,
                              m.mnuViewZoomRight, m.mnuShowHidePrevAction->menuAction(), m.mnuEditLine5})
            EXPECT_EQ(item->isVisible(), row.copyEar) << item->objectName().toStdString();
        for (QAction* item : {m.mnuEditAddRemoveTest, m.mnuEditTestConditions, m.mnuUnderlay->menuAction(),
                              m.mnuEditLine3, m.mnuEditLine4})
            EXPECT_EQ(item->isVisible(), row.testButtons) << item->objectName().toStdString();
        EXPECT_EQ(m.mnuViewTableViewer->isVisible(), !row.reflexPanels);
        if (m.mnuViewTableViewer->isVisible()) {
            EXPECT_EQ(m.mnuViewTableViewer->isEnabled(), row.tableViewerEnabled);
        }
        EXPECT_EQ(m.mnuViewAverage->isVisible(), !row.reflexPanels);
        EXPECT_EQ(m.mnuShowHideTestMain->menuAction()->isVisible(), row.showHideTests);
        for (QAction* item : {m.mnuViewIpsi, m.mnuViewContra, m.mnuViewTymp})
            EXPECT_EQ(item->isVisible(), row.reflexPanels) << item->objectName().toStdString();
        EXPECT_EQ(document.oPureTone().isVisibleTo(&document), pureTone);
        EXPECT_TRUE(m.mnuAudiometerMain->menuAction()->isEnabled());
    }
}

TEST_F(DocumentCommandStatesTest, TheViewMenusTicksFollowTheShownView)
{
    docAudiogramModule& document = OpenDocument();
    DocumentMenus& m = document.Menus();
    document.oPureTone().ShowTestDataTable(false);
    document.oImpedance().ShowNotes(false);
    document.oImpedance().ShowContra(true);

    document.tabMain().Select("PURETONE");
    DocumentTestAccess::UpdateCommandStates(document);
    EXPECT_FALSE(m.mnuViewTableViewer->isChecked());
    EXPECT_EQ(m.mnuViewNotes->isChecked(), document.oPureTone().ShowNotes());

    document.tabMain().Select("IMPEDANCE");
    EXPECT_FALSE(m.mnuViewNotes->isChecked()) << "a click on the tab updates the commands";
    EXPECT_TRUE(m.mnuViewContra->isChecked());

    document.tabMain().Select("PURETONE");
    EXPECT_TRUE(m.mnuViewAverage->isVisible()) << "back from the impedance tab, Average shows again";
    EXPECT_TRUE(m.mnuViewTableViewer->isVisible());
}

TEST_F(DocumentCommandStatesTest, TheSpeechTabTakesThePureToneAverages)
{
    docAudiogramModule& document = OpenDocument();
    IPTATable& pureTone = *document.oPureTone().PureToneAverage();
    pureTone.ACLeftAverage("25");
    pureTone.ACRightAverage("30");
    pureTone.BCLeftAverage("15");
    pureTone.BCRightAverage("20");
    pureTone.SFAverage("10");
    pureTone.AverageFrequencies(3, 0x0E);
    pureTone.AverageFrequencies(2, 0x1C);

    document.tabMain().Select("SPEECH");

    const IPTATable& speech = *document.oSpeech().PureToneAverage();
    EXPECT_EQ(speech.ACLeftAverage(), "25");
    EXPECT_EQ(speech.ACRightAverage(), "30");
    EXPECT_EQ(speech.BCLeftAverage(), "15");
    EXPECT_EQ(speech.BCRightAverage(), "20");
    EXPECT_EQ(speech.SFAverage(), "10");
    EXPECT_EQ(speech.AverageFrequencies(3), 0x0E);
    EXPECT_EQ(speech.AverageFrequencies(2), 0x1C);
}

TEST_F(DocumentCommandStatesTest, PreviousActionsNeedAClientAndAtLeastOne)
{
    docAudiogramModule& document = OpenDocument();
    const QAction& previous = *document.Menus().mnuShowHidePrevAction->menuAction();
    EXPECT_FALSE(previous.isEnabled());
    DocumentTestAccess::SetPreviousActionCount(document, 1);
    DocumentTestAccess::UpdateCommandStates(document);
    EXPECT_TRUE(previous.isEnabled());
    host::HostContext::current().client.reset();
    DocumentTestAccess::UpdateCommandStates(document);
    EXPECT_FALSE(previous.isEnabled());
}

// Records the keys, other than the modifier keys, that reach a widget.
class KeyRecorder : public QObject {
public:
    std::vector<int> keys;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt)
            keys.push_back(key);
        return false;
    }
};

TEST_F(DocumentCommandStatesTest, TheDocumentTakesItsKeysBeforeTheViews)
{
    docAudiogramModule& document = OpenDocument();
    QWidget& view = document.oPureTone();
    KeyRecorder recorder;
    view.installEventFilter(&recorder);

    QTest::keyClick(&view, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_F6, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(recorder.keys, std::vector<int>{}) << "these keys never reach the views";

    QTest::keyClick(&view, Qt::Key_F4, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_A);
    EXPECT_EQ(recorder.keys, (std::vector<int>{Qt::Key_F4, Qt::Key_A}));

    for (std::size_t i = 0; i < 5; ++i)
        ASSERT_FALSE(document.cmdTemp(i).isVisibleTo(&document));
    QTest::keyClick(&view, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(document.cmdTemp(i).isVisibleTo(&document)) << "button " << i;
}

}  // namespace
}  // namespace brisance
