// The profile's view settings and the global options applied to the views,
// the profile list in the profile box and the profile menu, and switching
// between profiles.

#include "module/document/docAudiogramModule.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/PreferenceValues.h"
#include "module/core/StoreSelection.h"
#include "module/core/TextResources.h"
#include "module/document/MenuArrayFill.h"
#include "module/panels/PTATableFill.h"
#include "module/document/DocumentIcons.h"
#include "module/document/ImageCombo.h"
#include "module/document/KeyedToolBar.h"
#include "module/panels/INotes.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/panels/TableView.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"
#include "module/views/ctlARTView.h"

#include <QAction>

#include <array>

namespace brisance {

namespace {

constexpr std::int16_t kProfilesCategory = 0;
constexpr std::int16_t kGlobalOptionsCategory = 100;
constexpr std::int16_t kGlobalOptionsSection = 0;
constexpr std::int16_t kLastProfileSection = 20;

// The note type that each bit of a profile's note-field mask shows, from bit 0:
// the comments (type 6) come before the two user fields.
constexpr std::array<std::int32_t, 7> kNoteTypeOfFieldBit{0, 1, 2, 3, 6, 4, 5};

void ApplyNoteFields(INotes& notes, std::int32_t fields)
{
    for (std::size_t bit = 0; bit < kNoteTypeOfFieldBit.size(); ++bit)
        notes.ShowNoteType(kNoteTypeOfFieldBit[bit], (fields >> bit) & 1);
}

// A notes panel's fields and the names of its user fields, from the keys
// prefix + "NoteFields", "User1" and "User2".
void ApplyNotesKeys(INotes& notes, vellum::IVellumKeyedStore& store, const std::string& prefix)
{
    ApplyNoteFields(notes, PreferenceNumber(store, prefix + "NoteFields"));
    notes.UserDefined1(PreferenceText(store, prefix + "User1"));
    notes.UserDefined2(PreferenceText(store, prefix + "User2"));
}

// A palette's stored buttons into the view's items and the module's copy.
void LoadPalette(vellum::IVellumKeyedStore& store, const std::string& prefix, CPaletteItems& viewItems,
                 CPaletteItems& moduleItems)
{
    const CCurvePrefs& prefs = *ModuleGlobals::CurvePrefs();
    for (CPaletteItems* items : {&viewItems, &moduleItems})
        LoadPaletteFromString(*items, prefs, PreferenceText(store, prefix + "PalButtons"),
                              PreferenceText(store, prefix + "PalButtonsBinaural"));
}

// The impedance view's unit selectors: 0 for a set flag, 1 otherwise.
std::int32_t UnitSelector(vellum::IVellumKeyedStore& store, std::string_view key)
{
    return PreferenceFlag(store, key) ? 0 : 1;
}

}  // namespace

void docAudiogramModule::ApplyProfilePreferences(vellum::IVellumKeyedStore& store)
{
    const CLangLoader& uiTexts = *ModuleGlobals::UiTextLoader();
    const std::shared_ptr<CLangLoader> viewTexts = ModuleGlobals::ViewTextLoader();
    const std::shared_ptr<CCurvePrefs> curvePrefs = ModuleGlobals::CurvePrefs();

    const bool oneGraph = PreferenceFlag(store, "PTOneGraph");
    m_oPureTone->Mode(oneGraph ? 0 : 1);
    m_menus.mnuViewGraphMode->setText(
        QString::fromStdString(uiTexts.LoadResString(oneGraph ? TR_SEPARATE_RIGHTLEFT_GRAPHS : TR_SINGLE_GRAPH)));
    m_tbrMain->Pressed(oneGraph ? "SingleGraph" : "DualGraph", true);
    for (const char* key : {"ZoomLeft", "ZoomRight", "ZoomNormal"})
        m_tbrMain->Enabled(key, !oneGraph);
    if (m_tbrMain->Enabled("ZoomNormal"))
        m_tbrMain->Pressed("ZoomNormal", true);

    const std::int32_t pureTonePanels = PreferenceNumber(store, "PTPanels");
    m_oPureTone->ShowNotes(pureTonePanels & 2);
    m_oPureTone->ShowTestDataTable(pureTonePanels & 1);
    m_oPureTone->ShowPureToneAverage(pureTonePanels & 4);

    TableView& table = *m_oPureTone->TestDataPanel();
    table.NoResponseText(viewTexts->LoadResString(TR_NR));
    table.UnMeasurableText(viewTexts->LoadResString(TR_UNM));
    const std::int32_t graphOptions = PreferenceNumber(store, "PTGraphOptions");
    table.ShowFullRange((graphOptions & 32) == 0);
    ShowProfilePureToneUnderlay(graphOptions);
    const std::int32_t rows = PreferenceNumber(store, "PTTestDataRows");
    table.ConfigureAsPureToneTable(rows & 1, rows & 2, rows & 4);

    ApplyNotesKeys(*m_oPureTone->Notes(), store, "PT");
    m_oPureTone->TestPreferences(curvePrefs);
    LoadPalette(store, "PT", *m_oPureTone->PaletteItems(), *ModuleGlobals::PureTonePaletteItems());
    FillCurvePalette(*m_oPureTone->Palette(), *m_oPureTone->PaletteItems(), true);
    FillMenuArray(*m_menus.mnuShowHideTest, *m_oPureTone->PaletteItems());
    m_oPureTone->InitializeCharts(graphOptions);

    const std::int32_t speechPanels = PreferenceNumber(store, "SPPanels");
    m_oSpeech->ShowPureToneAverage(speechPanels & 4);
    m_oSpeech->ShowNotes(speechPanels & 2);
    m_oSpeech->ShowGraphTable(speechPanels & 1);
    m_oSpeech->Mode(PreferenceFlag(store, "SPShowGraph") ? 1 : 0);
    m_oSpeech->LanguageLoader(viewTexts);
    m_oSpeech->LoadStrings();
    ApplyNotesKeys(*m_oSpeech->Notes(), store, "SP");
    LoadPalette(store, "SP", *m_oSpeech->PaletteItems(), *ModuleGlobals::SpeechPaletteItems());
    m_oSpeech->TestPreferences(curvePrefs);
    // Only the chart shows the palette. In table mode it keeps the buttons of
    // the profile before; their IDs are not reused by the new items, so none
    // of them can reach a test of this profile.
    if (m_oSpeech->Mode() == 1) {
        const std::int32_t speechOptions = PreferenceNumber(store, "SPGraphOptions");
        ShowProfileSpeechUnderlay(speechOptions);
        m_oSpeech->InitializeSpeechChart(speechOptions);
        FillCurvePalette(*m_oSpeech->Palette(), *m_oSpeech->PaletteItems(), true);
    } else {
        m_oSpeech->InitializeSpeechTables();
    }

    const std::int32_t impedancePanels = PreferenceNumber(store, "IMPanels");
    m_oImpedance->ShowNotes(impedancePanels & 2);
    m_oImpedance->ShowIpsi(impedancePanels & 8);
    m_oImpedance->ShowContra(impedancePanels & 16);
    m_oImpedance->ShowTymp(impedancePanels & 32);
    m_oImpedance->IpsilateralReflexTable()->FreqsToRecord(PreferenceNumber(store, "IARTPoints"));
    m_oImpedance->IpsilateralReflexTable()->DecaysToRecord(PreferenceNumber(store, "IARTDecay"));
    m_oImpedance->ContralateralReflexTable()->FreqsToRecord(PreferenceNumber(store, "CARTPoints"));
    m_oImpedance->ContralateralReflexTable()->DecaysToRecord(PreferenceNumber(store, "CARTDecay"));
    ApplyNotesKeys(*m_oImpedance->Notes(), store, "IP");
    m_oImpedance->Pressure(UnitSelector(store, "TympPressure"));
    m_oImpedance->Volume(UnitSelector(store, "TympVolume"));
    m_oImpedance->Gradient(UnitSelector(store, "TympGradient"));
}

void docAudiogramModule::ApplyGlobalOptions()
{
    vellum::IVellumKeyedStore& store = *ModuleGlobals::PreferenceStore();
    const StoreSelectionKeeper globalOptions(store, kGlobalOptionsCategory, kGlobalOptionsSection);

    const platform::runtime::Variant rightOnLeft = store.get_Value("GENRightOnLeft");
    // Without a choice the right ear is drawn on the left; a stored choice is
    // the pure-tone view's, and the other views follow it.
    m_oPureTone->RightOnLeft(rightOnLeft.isNull() || PreferenceFlag(rightOnLeft));
    m_oSpeech->RightOnLeft(m_oPureTone->RightOnLeft());
    m_oImpedance->RightOnLeft(m_oPureTone->RightOnLeft());

    const std::int32_t averages = PreferenceNumber(store, "PTAvgTests");
    FillPTATable(*m_oPureTone->PureToneAverage(), averages);
    FillPTATable(*m_oSpeech->PureToneAverage(), averages);
    m_oPureTone->FrequenciesToAverage(PreferenceNumber(store, "PTAvg1"));
    m_oPureTone->FrequenciesToDblAverage(PreferenceNumber(store, "PTAvg2"));
    m_oSpeech->ProfileAverageMasks({m_oPureTone->FrequenciesToAverage(), m_oPureTone->FrequenciesToDblAverage()});
}

void docAudiogramModule::LoadProfileList(bool selectDefault)
{
    vellum::IVellumKeyedStore& store = *ModuleGlobals::PreferenceStore();
    MenuControlArray& items = *m_menus.mnuProfileList;
    store.put_Category(kProfilesCategory);

    for (std::int32_t index = items.UBound(); index >= 1; --index)
        if (items.Exists(index))
            items.Unload(index);
    m_imcProfiles->clear();

    std::int32_t k = 0;
    std::int16_t defaultNumber = -1;
    for (std::int16_t section = 0; section <= kLastProfileSection; ++section) {
        store.put_Section(section);
        const std::string name = PreferenceText(store, "Profile");
        // Gaps between profile numbers are allowed.
        if (name.empty())
            continue;
        if (k > items.UBound())
            items.Load(k);
        items.Visible(k, true);
        items.Caption(k, name);
        items.Tag(k, std::to_string(section));
        const bool isDefault = PreferenceFlag(store, "DftProfile");
        // Every default is ticked; a later default wins over an earlier one.
        if (selectDefault) {
            items.Checked(k, isDefault);
            if (isDefault)
                defaultNumber = section;
        }
        m_imcProfiles->AddItem(std::to_string(section) + "K", name, ProfileIcon(), std::to_string(section));
        if (selectDefault && isDefault)
            m_imcProfiles->setCurrentIndex(m_imcProfiles->count() - 1);
        ++k;
    }

    if (!selectDefault) {
        // The caller switches to a profile.
        m_imcProfiles->setCurrentIndex(-1);
        return;
    }
    if (defaultNumber >= 0) {
        store.put_Section(defaultNumber);
        return;
    }
    // Without a default the first element becomes current: the first listed
    // profile, or with no profile at all element 0 as it stands, section 0.
    items.Checked(0, true);
    store.put_Section(static_cast<std::int16_t>(PreferenceNumber(items.Tag(0))));
    if (m_imcProfiles->count() > 0)
        m_imcProfiles->setCurrentIndex(0);
}

void docAudiogramModule::MarkCurrentProfile(std::int32_t profileNumber)
{
    MenuControlArray& items = *m_menus.mnuProfileList;
    for (std::int32_t index = 0; index <= items.UBound(); ++index)
        if (items.Exists(index))
            items.Checked(index, items.Visible(index) && PreferenceNumber(items.Tag(index)) == profileNumber);
    m_imcProfiles->setCurrentIndex(m_imcProfiles->IndexOfKey(std::to_string(profileNumber) + "K"));
}

void docAudiogramModule::SwitchProfile(std::int32_t profileNumber)
{
    vellum::IVellumKeyedStore& store = *ModuleGlobals::PreferenceStore();
    store.put_Category(kProfilesCategory);
    store.put_Section(static_cast<std::int16_t>(profileNumber));
    ApplyProfilePreferences(store);
    LayoutPanels();
    RefreshViews();
    MarkCurrentProfile(profileNumber);
}

void docAudiogramModule::imcProfiles_Click()
{
    const int index = m_imcProfiles->currentIndex();
    if (index >= 0)
        SwitchProfile(PreferenceNumber(m_imcProfiles->ItemTag(index)));
}

void docAudiogramModule::mnuProfileList_Click(std::int32_t Index)
{
    SwitchProfile(PreferenceNumber(m_menus.mnuProfileList->Tag(Index)));
}

}  // namespace brisance
