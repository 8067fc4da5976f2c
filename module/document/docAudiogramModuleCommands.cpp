// The document's commands on the shown view: the toolbar, test conditions,
// graph mode and zoom, the panel toggles, showing and hiding tests, and the
// buttons that pop the menus up.

#include "module/document/docAudiogramModule.h"

#include "module/core/ModuleGlobals.h"
#include "module/core/PreferenceValues.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/ui/MessageBox.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPushButton>

#include <utility>

namespace brisance {

namespace {

// Sets a view's panel to the negation of what it shows, and the menu item's
// check to what the view shows then.
template <class View>
void TogglePanel(QAction& item, View& view, bool (View::*shows)() const, void (View::*show)(bool))
{
    (view.*show)(!(view.*shows)());
    item.setChecked((view.*shows)());
}

constexpr std::int32_t kDisplayLeftChart = 0;
constexpr std::int32_t kDisplayRightChart = 1;
constexpr std::int32_t kDisplayBothCharts = 2;

}  // namespace

void docAudiogramModule::ConnectCommands()
{
    DocumentMenus& m = m_menus;
    const auto onClick = [this](QAction* item, void (docAudiogramModule::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    connect(m_tbrMain, &KeyedToolBar::ButtonClick, this,
            [this](const std::string& key) { Guarded([this, key] { tbrMain_ButtonClick(key); }); });
    onClick(m.mnuEditTestConditions, &docAudiogramModule::mnuEditTestConditions_Click);
    onClick(m.mnuViewGraphMode, &docAudiogramModule::mnuViewGraphMode_Click);
    onClick(m.mnuViewZoomLeft, &docAudiogramModule::mnuViewZoomLeft_Click);
    onClick(m.mnuViewZoomRight, &docAudiogramModule::mnuViewZoomRight_Click);
    onClick(m.mnuViewNormal, &docAudiogramModule::mnuViewNormal_Click);
    onClick(m.mnuViewTableViewer, &docAudiogramModule::mnuViewTableViewer_Click);
    onClick(m.mnuViewNotes, &docAudiogramModule::mnuViewNotes_Click);
    onClick(m.mnuViewAverage, &docAudiogramModule::mnuViewAverage_Click);
    onClick(m.mnuViewIpsi, &docAudiogramModule::mnuViewIpsi_Click);
    onClick(m.mnuViewContra, &docAudiogramModule::mnuViewContra_Click);
    onClick(m.mnuViewTymp, &docAudiogramModule::mnuViewTymp_Click);
    onClick(m.mnuGeneralOptions, &docAudiogramModule::mnuGeneralOptions_Click);
    onClick(m.mnuPreferences, &docAudiogramModule::mnuPreferences_Click);
    onClick(m.mnuAudiometers, &docAudiogramModule::mnuAudiometers_Click);
    onClick(m.mnuToolsProfileManager, &docAudiogramModule::mnuToolsProfileManager_Click);
    connect(m.mnuShowHideTest, &MenuControlArray::Click, this,
            [this](std::int32_t index) { Guarded([this, index] { mnuShowHideTest_Click(index); }); });
    for (std::size_t index = 0; index < m_cmdTemp.size(); ++index)
        connect(m_cmdTemp[index], &QPushButton::clicked, this,
                [this, index] { Guarded([this, index] { cmdTemp_Click(static_cast<std::int32_t>(index)); }); });
}

void docAudiogramModule::tbrMain_ButtonClick(const std::string& Key)
{
    const bool rightOnLeft = m_oPureTone->RightOnLeft();
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"New", [this] { mnuFileNewAction_Click(); }},
        {"Save", [this] { mnuFileSave_Click(); }},
        {"Print", [this] { PrintAudiogram(false); }},
        {"Undo", [this] { mnuEditUndo_Click(); }},
        {"TestConditions", [this] { mnuEditTestConditions_Click(); }},
        // Each zoom button shows the same ear's chart wherever it is placed.
        {"ZoomLeft", [this, rightOnLeft] { ZoomGraph(rightOnLeft ? kDisplayRightChart : kDisplayLeftChart); }},
        {"ZoomRight", [this, rightOnLeft] { ZoomGraph(rightOnLeft ? kDisplayLeftChart : kDisplayRightChart); }},
        {"ZoomNormal", [this] { RestoreNormalZoom(); }},
        {"SingleGraph", [this] { SetGraphMode(0); }},
        {"DualGraph", [this] { SetGraphMode(1); }},
        {"AddRemoveTest", [this] { ConfigureCurrentTestPalette(); }},
        {"Help", [this] { ShowHelpTopics(); }},
    };
    for (const auto& [key, command] : commands)
        if (Key == key) {
            command();
            return;
        }
    platform::ui::messageBox(this, "Button not yet implemented", ModuleMessageTitle(),
                             platform::ui::MB_ICONINFORMATION);
}

void docAudiogramModule::mnuEditTestConditions_Click()
{
    const std::string tab = m_tabMain->SelectedKey();
    if (tab == "PURETONE")
        m_oPureTone->ChangePureToneTestProperties(false);
    else if (tab == "SPEECH")
        m_oSpeech->ChangeSpeechTestProperties(false);
}

void docAudiogramModule::mnuViewGraphMode_Click()
{
    SetGraphMode(m_oPureTone->Mode() == 1 ? 0 : 1);
}

// The menu item names the other mode; zooming exists only with one chart per
// ear.
void docAudiogramModule::SetGraphMode(std::int32_t mode)
{
    if (m_oPureTone->Mode() != mode)
        m_oPureTone->Mode(mode);
    const bool oneChartPerEar = m_oPureTone->Mode() == 1;
    m_menus.mnuViewGraphMode->setText(QString::fromStdString(
        ModuleGlobals::UiTextLoader()->LoadResString(oneChartPerEar ? TR_SINGLE_GRAPH : TR_SEPARATE_RIGHTLEFT_GRAPHS)));
    m_tbrMain->Pressed(oneChartPerEar ? "DualGraph" : "SingleGraph", true);
    for (const char* key : {"ZoomLeft", "ZoomRight", "ZoomNormal"})
        m_tbrMain->Enabled(key, oneChartPerEar);
    for (QAction* item : {m_menus.mnuViewNormal, m_menus.mnuViewZoomLeft, m_menus.mnuViewZoomRight})
        item->setEnabled(oneChartPerEar);
}

// The menu zooms by position and presses the button that shows the same chart.
void docAudiogramModule::mnuViewZoomLeft_Click()
{
    ZoomGraph(kDisplayLeftChart);
    m_tbrMain->Pressed(m_oPureTone->RightOnLeft() ? "ZoomRight" : "ZoomLeft", true);
}

void docAudiogramModule::mnuViewZoomRight_Click()
{
    ZoomGraph(kDisplayRightChart);
    m_tbrMain->Pressed(m_oPureTone->RightOnLeft() ? "ZoomLeft" : "ZoomRight", true);
}

void docAudiogramModule::mnuViewNormal_Click()
{
    RestoreNormalZoom();
    m_tbrMain->Pressed("ZoomNormal", true);
}

void docAudiogramModule::ZoomGraph(std::int32_t displayMode)
{
    // Zooming again keeps the checks of before the first zoom.
    if (!m_savedPanelStates)
        m_savedPanelStates = PanelStates{m_menus.mnuViewAverage->isChecked(), m_menus.mnuViewTableViewer->isChecked(),
                                         m_menus.mnuViewNotes->isChecked()};
    m_oPureTone->DisplayMode(displayMode);
    SetPanelCommandsEnabled(false);
    LayoutPanels();
}

void docAudiogramModule::RestoreNormalZoom()
{
    DocumentMenus& m = m_menus;
    // Without a zoom before, the checks stay as they are.
    if (m_savedPanelStates) {
        m.mnuViewAverage->setChecked(m_savedPanelStates->average);
        m.mnuViewTableViewer->setChecked(m_savedPanelStates->tableViewer);
        m.mnuViewNotes->setChecked(m_savedPanelStates->notes);
        m_savedPanelStates.reset();
    }
    m_oPureTone->DisplayMode(kDisplayBothCharts);
    m_oPureTone->ShowPureToneAverage(m.mnuViewAverage->isChecked());
    m_oPureTone->ShowNotes(m.mnuViewNotes->isChecked());
    m_oPureTone->ShowTestDataTable(m.mnuViewTableViewer->isChecked());
    SetPanelCommandsEnabled(true);
    LayoutPanels();
}

void docAudiogramModule::SetPanelCommandsEnabled(bool enabled)
{
    for (QAction* item : {m_menus.mnuViewAverage, m_menus.mnuViewTableViewer, m_menus.mnuViewNotes,
                          m_menus.mnuViewGraphMode})
        item->setEnabled(enabled);
    m_tbrMain->Enabled("SingleGraph", enabled);
    m_tbrMain->Enabled("DualGraph", enabled);
}

void docAudiogramModule::mnuViewTableViewer_Click()
{
    const std::string tab = m_tabMain->SelectedKey();
    if (tab == "PURETONE")
        TogglePanel(*m_menus.mnuViewTableViewer, *m_oPureTone, &CPureTone::ShowTestDataTable,
                    &CPureTone::ShowTestDataTable);
    else if (tab == "SPEECH")
        TogglePanel(*m_menus.mnuViewTableViewer, *m_oSpeech, &CSpeech::ShowGraphTable, &CSpeech::ShowGraphTable);
    LayoutPanels();
}

void docAudiogramModule::mnuViewNotes_Click()
{
    const std::string tab = m_tabMain->SelectedKey();
    QAction& item = *m_menus.mnuViewNotes;
    if (tab == "PURETONE")
        TogglePanel(item, *m_oPureTone, &CPureTone::ShowNotes, &CPureTone::ShowNotes);
    else if (tab == "SPEECH")
        TogglePanel(item, *m_oSpeech, &CSpeech::ShowNotes, &CSpeech::ShowNotes);
    else if (tab == "IMPEDANCE")
        TogglePanel(item, *m_oImpedance, &CImpedance::ShowNotes, &CImpedance::ShowNotes);
    LayoutPanels();
}

void docAudiogramModule::mnuViewAverage_Click()
{
    const std::string tab = m_tabMain->SelectedKey();
    QAction& item = *m_menus.mnuViewAverage;
    if (tab == "PURETONE")
        TogglePanel(item, *m_oPureTone, &CPureTone::ShowPureToneAverage, &CPureTone::ShowPureToneAverage);
    else if (tab == "SPEECH")
        TogglePanel(item, *m_oSpeech, &CSpeech::ShowPureToneAverage, &CSpeech::ShowPureToneAverage);
    LayoutPanels();
}

void docAudiogramModule::mnuViewIpsi_Click()
{
    TogglePanel(*m_menus.mnuViewIpsi, *m_oImpedance, &CImpedance::ShowIpsi, &CImpedance::ShowIpsi);
    LayoutPanels();
}

void docAudiogramModule::mnuViewContra_Click()
{
    TogglePanel(*m_menus.mnuViewContra, *m_oImpedance, &CImpedance::ShowContra, &CImpedance::ShowContra);
    LayoutPanels();
}

void docAudiogramModule::mnuViewTymp_Click()
{
    TogglePanel(*m_menus.mnuViewTymp, *m_oImpedance, &CImpedance::ShowTymp, &CImpedance::ShowTymp);
    LayoutPanels();
}

// The item's tag is the ID of the shown view's palette item.
void docAudiogramModule::mnuShowHideTest_Click(std::int32_t Index)
{
    MenuControlArray& items = *m_menus.mnuShowHideTest;
    const bool show = !items.Checked(Index);
    const std::int32_t testId = PreferenceNumber(items.Tag(Index));
    const std::string tab = m_tabMain->SelectedKey();
    if (tab == "PURETONE")
        m_oPureTone->ShowHideTest(testId, show);
    else if (tab == "SPEECH")
        m_oSpeech->ShowHideTest(testId, show);
    items.Checked(Index, show);
}

void docAudiogramModule::cmdTemp_Click(std::int32_t Index)
{
    const std::array<QMenu*, 5> menus{m_menus.mnuFile, m_menus.mnuEdit, m_menus.mnuAudiometerMain, m_menus.mnuTools,
                                      m_menus.mnuView};
    if (Index >= 0 && Index < static_cast<std::int32_t>(menus.size()))
        menus[static_cast<std::size_t>(Index)]->popup(QCursor::pos());
}

}  // namespace brisance
