// The document's preference dialogs: the global options, the profile's
// options, the calibration dates and the profile manager, and what the
// document does with what they change.

#include "module/document/docAudiogramModule.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CSymbols.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/PreferenceValues.h"
#include "module/core/ProgramTitle.h"
#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "module/document/ImageCombo.h"
#include "module/document/KeyedTabStrip.h"
#include "module/panels/INotes.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/preferences/frmAudiometers.h"
#include "module/preferences/frmGeneralOptions.h"
#include "module/preferences/frmPreferences.h"
#include "module/preferences/frmProfileManager.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/ui/MessageBox.h"

namespace brisance {

namespace {

using platform::runtime::RuntimeError;

// Runs one step of a command whose steps go on past a failing one.
void IgnoringErrors(const std::function<void()>& step)
{
    try {
        step();
    } catch (const RuntimeError&) {
    }
}

}  // namespace

void docAudiogramModule::mnuGeneralOptions_Click()
{
    frmGeneralOptions dialog(this);
    m_frmGenOptions = &dialog;
    connect(&dialog, &frmGeneralOptions::ApplyButton, this,
            [this](bool testsDeleted) { Guarded([this, testsDeleted] { frmGenOptions_ApplyButton(testsDeleted); }); });
    dialog.ImageList(ModuleGlobals::Symbols()->SymbolImages());
    dialog.Preferences(ModuleGlobals::PreferenceStore());
    dialog.LoadPreferences();
    dialog.exec();
    m_frmGenOptions = nullptr;
    // A cancelled dialog has loaded the tests again, so the palettes take
    // theirs anew.
    if (!dialog.OKPressed) {
        ApplyProfilePreferences(*ModuleGlobals::PreferenceStore());
        UpdateCommandStates();
        RefreshViews();
    }
}

void docAudiogramModule::frmGenOptions_ApplyButton(bool testsDeleted)
{
    SaveUserPreferences();
    ApplyGlobalOptions();
    if (testsDeleted) {
        ApplyProfilePreferences(*ModuleGlobals::PreferenceStore());
        UpdateCommandStates();
    }
    FillCurvePalette(*m_oPureTone->Palette(), *m_oPureTone->PaletteItems(), false);
    FillCurvePalette(*m_oSpeech->Palette(), *m_oSpeech->PaletteItems(), false);
    RefreshViews();
    LoadStringsIntoDisplay();
}

void docAudiogramModule::mnuPreferences_Click()
{
    frmPreferences dialog(this);
    m_frmOptions = &dialog;
    connect(&dialog, &frmPreferences::ApplyButton, this, [this] { Guarded([this] { frmOptions_ApplyButton(); }); });
    PreparePreferencesDialog(dialog);
    dialog.Preferences(ModuleGlobals::PreferenceStore());
    dialog.LoadPreferences();
    dialog.ProfileName(m_imcProfiles->currentText().toStdString());
    // The page of the shown view.
    dialog.ShowTab(static_cast<std::int16_t>(m_tabMain->SelectedIndex() + 1));
    dialog.exec();
    m_frmOptions = nullptr;
}

void docAudiogramModule::PreparePreferencesDialog(frmPreferences& dialog)
{
    // A test with results in the open audiogram stays on every palette.
    dialog.DataLayer(m_data);
    // A test edited on a palette of the dialog is stored as one edited on a
    // view's palette; it may be on both views' palettes.
    connect(&dialog, &frmPreferences::TestSettingsChanged, this, [this] {
        Guarded([this] {
            FillCurvePalette(*m_oSpeech->Palette(), *m_oSpeech->PaletteItems(), false);
            TestSettingsChanged(*m_oPureTone->Palette(), *m_oPureTone->PaletteItems());
        });
    });
}

void docAudiogramModule::frmOptions_ApplyButton()
{
    m_oSpeech->Visible(false);
    m_oPureTone->Visible(false);
    SaveUserPreferences();
    ApplyProfilePreferences(*ModuleGlobals::PreferenceStore());
    UpdateCommandStates();
    LayoutPanels();
    RefreshViews();
}

void docAudiogramModule::mnuAudiometers_Click()
{
    frmAudiometers dialog(this);
    dialog.Preferences(ModuleGlobals::PreferenceStore());
    dialog.LoadAudiometers();
    dialog.exec();
    if (!dialog.OKPressed)
        return;
    SaveUserPreferences();
    for (INotes* notes : {m_oPureTone->Notes(), m_oSpeech->Notes(), m_oImpedance->Notes()})
        notes->LoadAudiometers();
}

// Every step runs even when one before it failed.
void docAudiogramModule::mnuToolsProfileManager_Click()
{
    const auto store = ModuleGlobals::PreferenceStore();
    frmProfileManager dialog(this);
    bool testsEdited = false;
    connect(&dialog, &frmProfileManager::PreferencesOpening, this, [this, &testsEdited](frmPreferences& preferences) {
        PreparePreferencesDialog(preferences);
        connect(&preferences, &frmPreferences::TestSettingsChanged, this, [&testsEdited] { testsEdited = true; });
    });
    std::int32_t previous = 0;
    IgnoringErrors([&] {
        dialog.Preferences(store);
        previous = store->get_Section();
        dialog.CurrentProfile(previous);
    });
    platform::runtime::Variant snapshot;
    IgnoringErrors([&] { snapshot = store->get_Data(); });
    IgnoringErrors([&] { dialog.exec(); });

    if (dialog.OKPressed) {
        IgnoringErrors([this] { SaveUserPreferences(); });
        IgnoringErrors([this] {
            if (!ModuleGlobals::PreferencesReset())
                return;
            ModuleGlobals::SetPreferencesReset(false);
            platform::ui::messageBox(this, ModuleGlobals::UiTextLoader()->LoadResString(TR_RESTART),
                                     ModuleMessageTitle(), platform::ui::MB_ICONSTOP);
        });
        // An import or a reset replaces the stored tests.
        IgnoringErrors([&] { ModuleGlobals::CurvePrefs()->LoadFromPreferences(*store); });
    } else {
        IgnoringErrors([&] { store->put_Data(snapshot); });
        // A test edited on the way was stored at once, as on every road to
        // it; Cancel takes back the manager's own changes, not that one.
        if (testsEdited) {
            IgnoringErrors([&] { ModuleGlobals::CurvePrefs()->SaveToPreferences(*store); });
            IgnoringErrors([this] { SaveUserPreferences(); });
        }
    }

    // Global options imported with a profile hold at once (after Cancel the
    // restored ones do).
    IgnoringErrors([this] { ApplyGlobalOptions(); });
    // The profile of before, or the default when it is gone.
    IgnoringErrors([&] {
        StoreSelectionKeeper keeper(*store, 0, static_cast<std::int16_t>(previous));
        if (PreferenceText(*store, "Profile").empty())
            previous = -1;
    });
    IgnoringErrors([&] {
        LoadProfileList(previous < 0);
        if (previous < 0)
            previous = store->get_Section();
    });
    IgnoringErrors([&] { SwitchProfile(previous); });
}

}  // namespace brisance
