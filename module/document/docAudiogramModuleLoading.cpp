// Loading the document's action group and choosing its mode.

#include "module/document/docAudiogramModule.h"

#include "module/core/LoadActionsIntoModule.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/TextResources.h"
#include "module/document/ActionDescription.h"
#include "module/document/KeyedStatusBar.h"
#include "module/document/KeyedToolBar.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/runtime/Dates.h"

#include <QAction>

namespace brisance {

void docAudiogramModule::LoadDocumentAndDecideMode()
{
    m_oPureTone->DataNeedsSaved(false);
    m_oSpeech->DataNeedsSaved(false);
    m_oImpedance->DataNeedsSaved(false);
    m_readOnlyResultAsked = false;
    // Read before the data: a change made in between is then seen at the
    // next save rather than written over.
    m_groupRevisions = RevisionsOf(m_oGroupActions);

    host::IAction* const audiogram = m_oGroupActions[0].get();
    if (!audiogram && !m_oGroupActions[1] && !m_oGroupActions[2]) {
        m_mode = kModeNew;
    } else if (!audiogram) {
        LoadActionsIntoModule(m_oGroupActions, *m_data, *m_notes);
        m_mode = kModeReadOnly;
    } else {
        // Partly loaded data must never be saved over the host's actions.
        const bool loaded = LoadActionsIntoModule(m_oGroupActions, *m_data, *m_notes);
        m_mode = loaded ? ModeOfAudiogram(*audiogram) : kModeReadOnly;
        // A description typed for the document shown before is not this one's.
        m_strDescription = BuildActionDescription(m_mode, *m_notes, std::string(), audiogram);
    }
    m_oPureTone->DataLoaded();
    RefreshViews();
}

// Editable only when this module made the audiogram today and no other
// action of the client links it. Without a current client the link cannot be
// tested and the other two decide: an existing action is never taken for a
// new one.
std::int32_t docAudiogramModule::ModeOfAudiogram(host::IAction& audiogram) const
{
    using platform::runtime::longDateText;
    const bool notToday = longDateText(audiogram.get_DateCreated()) != longDateText(platform::runtime::today());
    const bool foreign = audiogram.get_CreatorModuleID() != kModuleIdentity;
    if (notToday || foreign)
        return kModeReadOnly;
    const host::ComPtr<host::IClient> client = ModServ()->get_CurrentClient();
    return client && IsActionLinked(audiogram, *client) ? kModeReadOnly : kModeEditable;
}

void docAudiogramModule::SetDocumentMode()
{
    const bool editable = m_mode != kModeReadOnly;
    m_oPureTone->Enabled(editable);
    m_oSpeech->Enabled(editable);
    m_oImpedance->Enabled(editable);
    m_menus.mnuFileSave->setEnabled(editable);
    m_tbrMain->Enabled("Save", editable);
    // A past visit keeps its date of evaluation, as its DATE panel does: a
    // date taken there would never be saved.
    m_menus.mnuEditDate->setEnabled(editable);

    const CLangLoader& texts = *ModuleGlobals::UiTextLoader();
    switch (m_mode) {
    case kModeNew:
        m_sbrMain->PanelText("MODE", texts.LoadResString2(TR_NEW_AUDIOGRAM));
        break;
    case kModeEditable:
        m_sbrMain->PanelText("MODE", texts.LoadResString2(TR_EDIT));
        break;
    case kModeReadOnly:
        m_sbrMain->PanelText("MODE", texts.LoadResString(TR_READ_ONLY_MODE));
        break;
    default:
        break;
    }
}

}  // namespace brisance
