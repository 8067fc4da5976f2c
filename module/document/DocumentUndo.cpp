// The one-level undo that the pure-tone and impedance views feed before each
// edit, and the document's handlers of the views' other events.

#include "module/document/docAudiogramModule.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/document/MenuArrayFill.h"
#include "module/document/KeyedTabStrip.h"
#include "module/document/KeyedToolBar.h"
#include "module/document/SpeechCurvesCopy.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/com/Creation.h"

#include <QAction>

namespace brisance {

void docAudiogramModule::ConnectViewEvents()
{
    connect(m_menus.mnuEditUndo, &QAction::triggered, this, [this] { Guarded([this] { mnuEditUndo_Click(); }); });
    const auto saveState = [this](const std::string& undo, const std::string& redo) {
        Guarded([&] { SaveUndoState(undo, redo); });
    };
    connect(m_oPureTone, &CPureTone::SaveState, this, saveState);
    connect(m_oImpedance, &CImpedance::SaveState, this, saveState);
    connect(m_oPureTone, &CPureTone::PaletteButtonSelected, this,
            [this] { Guarded([this] { oPureTone_PaletteButtonSelected(); }); });
    connect(m_oPureTone, &CPureTone::PaletteMayHaveChanged, this,
            [this] { Guarded([this] { FillMenuArray(*m_menus.mnuShowHideTest, *m_oPureTone->PaletteItems()); }); });
    connect(m_oSpeech, &CSpeech::PaletteMayHaveChanged, this, [this] {
        Guarded([this] {
            if (m_oSpeech->Mode() == 1)
                FillMenuArray(*m_menus.mnuShowHideTest, *m_oSpeech->PaletteItems());
        });
    });
    connect(m_oPureTone, &CPureTone::TestSettingsChanged, this, [this] {
        Guarded([this] { TestSettingsChanged(*m_oPureTone->Palette(), *m_oPureTone->PaletteItems()); });
    });
    connect(m_oSpeech, &CSpeech::TestSettingsChanged, this, [this] {
        Guarded([this] { TestSettingsChanged(*m_oSpeech->Palette(), *m_oSpeech->PaletteItems()); });
    });
    connect(m_oPureTone, &CPureTone::Stopped, this, [this] { Guarded([this] { oPureTone_Stopped(); }); });
    const auto readOnlyResult = [this](const std::function<void()>& take) {
        Guarded([&] { LinkResultWhileReadOnly(take); });
    };
    connect(m_oPureTone, &CPureTone::ReadOnlyResult, this, readOnlyResult);
    connect(m_oImpedance, &CImpedance::ReadOnlyResult, this, readOnlyResult);
}

void docAudiogramModule::SaveUndoState(const std::string& ActionUndoDescription, const std::string&)
{
    m_vntUndoData = m_data->get_Data();
    m_menus.mnuEditUndo->setText(QString::fromStdString(ActionUndoDescription));
    m_menus.mnuEditUndo->setEnabled(true);
    m_tbrMain->Enabled("Undo", true);
    m_intUndoTab = static_cast<std::int16_t>(m_tabMain->SelectedIndex());
}

void docAudiogramModule::UndoLastEdit()
{
    m_menus.mnuEditUndo->setText(QString::fromStdString(ModuleGlobals::UiTextLoader()->LoadResString(TR_UNDO)));
    DiscardUndoState();

    // Speech results cannot be undone, so those entered since the snapshot
    // are kept: only the pure-tone curves and the tympanograms go back.
    const auto speech = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    speech->put_Data(m_data->get_Data());
    m_data->get_PureToneCurves()->Clear();
    m_data->get_Tympanograms()->Clear();
    m_data->put_Data(m_vntUndoData);
    m_data->get_SpeechCurves()->Clear();
    CopySpeechCurves(*speech->get_SpeechCurves(), *m_data->get_SpeechCurves());

    ShowToneAndImpedanceData();
}

void docAudiogramModule::DiscardUndoState()
{
    m_menus.mnuEditUndo->setEnabled(false);
    m_tbrMain->Enabled("Undo", false);
    m_intUndoTab = -1;
}

void docAudiogramModule::mnuEditUndo_Click()
{
    UndoLastEdit();
}

void docAudiogramModule::oPureTone_PaletteButtonSelected()
{
    m_menus.mnuEditTestConditions->setEnabled(true);
    m_tbrMain->Enabled("TestConditions", true);
    m_menus.mnuEditCopyEar->setEnabled(true);
}

void docAudiogramModule::TestSettingsChanged(CurvePalette& palette, const CPaletteItems& items)
{
    ModuleGlobals::CurvePrefs()->SaveToPreferences(*ModuleGlobals::PreferenceStore());
    SaveUserPreferences();
    FillCurvePalette(palette, items, false);
    RefreshViews();
}

void docAudiogramModule::oPureTone_Stopped()
{
    m_menus.mnuToolsSonvale->setEnabled(true);
    for (std::int32_t index = 0; index < m_menus.mnuSonvaleDevice->Count(); ++index)
        m_menus.mnuSonvaleDevice->Enabled(index, true);
    UpdateViewMenus();
}

}  // namespace brisance
