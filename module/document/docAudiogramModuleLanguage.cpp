// The document's language: the library chosen at initialisation, the
// language menu, the switch of the views' language, and the captions.

#include "module/document/docAudiogramModule.h"

#include "module/core/EnumerateLanguages.h"
#include "module/core/LanguageChoice.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ModuleHelp.h"
#include "module/core/ModulePaths.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/document/DocumentCaptions.h"
#include "module/document/KeyedTabStrip.h"
#include "module/panels/INotes.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/ui/MessageBox.h"

namespace brisance {

void docAudiogramModule::ChooseLanguage()
{
    const std::string& folder = GetModulePaths().languageFolder;
    EnumerateLanguages(m_languages, folder);
    const std::int32_t languageId = LanguageIdForChoice(ModServ() ? ModServ()->get_LanguageID() : 0);
    const std::string chosen = ChooseLanguageFile(m_languages, languageId);
    const std::string path = folder + chosen;

    const auto uiTexts = ModuleGlobals::UiTextLoader();
    if (!uiTexts->OpenResourceLibrary(path))
        ShowLanguageNotFound(path);
    if (!ModuleGlobals::ViewTextLoader()->OpenResourceLibrary(path))
        ShowLanguageNotFound(path);

    BuildLanguageMenu();
    SetHelpPath(GetModulePaths().programFolder + "/Help/" + uiTexts->LoadResString(TR_RESERVED_DO_NOT_TRANSLATE3));
    CheckLanguageItem(chosen);
}

void docAudiogramModule::ShowLanguageNotFound(const std::string& path)
{
    platform::ui::messageBox(this, path + ".so is not found!", ModuleMessageTitle(),
                             platform::ui::MB_OK | platform::ui::MB_ICONSTOP);
}

// One item per language, its name in the UI language and its file as the tag.
void docAudiogramModule::BuildLanguageMenu()
{
    MenuControlArray& items = *m_menus.mnuLanguage;
    const CLangLoader& texts = *ModuleGlobals::UiTextLoader();
    std::int32_t index = 0;
    for (const auto& language : m_languages) {
        if (!items.Exists(index))
            items.Load(index);
        items.Visible(index, true);
        items.Caption(index, texts.LoadResString(language->ID()));
        items.Tag(index, language->Filename());
        ++index;
    }
}

void docAudiogramModule::CheckLanguageItem(const std::string& filename)
{
    MenuControlArray& items = *m_menus.mnuLanguage;
    for (std::int32_t index = 0; index <= items.UBound(); ++index)
        if (items.Exists(index))
            items.Checked(index, items.Tag(index) == filename);
}

// Only the views' language changes; menus, dialogs and messages keep the one
// chosen at initialisation. A library that does not load leaves the views'
// language as it was.
void docAudiogramModule::mnuLanguage_Click(std::int32_t Index)
{
    MenuControlArray& items = *m_menus.mnuLanguage;
    const std::string path = GetModulePaths().languageFolder + items.Tag(Index);
    CLangLoader candidate;
    if (!candidate.OpenResourceLibrary(path)) {
        ShowLanguageNotFound(path);
        return;
    }
    const std::shared_ptr<CLangLoader> viewTexts = ModuleGlobals::ViewTextLoader();
    *viewTexts = std::move(candidate);
    CheckLanguageItem(items.Tag(Index));

    m_oPureTone->LanguageLoader(viewTexts);
    m_oSpeech->LanguageLoader(viewTexts);
    m_oImpedance->LanguageLoader(viewTexts);
    LoadStringsIntoDisplay();
}

void docAudiogramModule::LoadStringsIntoDisplay()
{
    const CLangLoader& viewTexts = *ModuleGlobals::ViewTextLoader();
    m_tabMain->Caption(0, viewTexts.LoadResString(TR_PURETONE));
    m_tabMain->Caption(1, viewTexts.LoadResString(TR_SPEECH));
    m_tabMain->Caption(2, viewTexts.LoadResString(TR_IMPEDANCE));

    // Menus and tool tips keep the language chosen at initialisation.
    const CLangLoader& uiTexts = *ModuleGlobals::UiTextLoader();
    LoadMenuCaptions(m_menus, uiTexts, m_oPureTone->Mode());
    LoadToolTips(*m_tbrMain, uiTexts, m_oPureTone->RightOnLeft());

    LoadNotesLabels(*m_oPureTone->Notes());
    LoadNotesLabels(*m_oSpeech->Notes());
    LoadNotesLabels(*m_oImpedance->Notes());

    m_oPureTone->LoadStrings();
    m_oSpeech->LoadStrings();
    m_oImpedance->LoadStrings();
}

}  // namespace brisance
