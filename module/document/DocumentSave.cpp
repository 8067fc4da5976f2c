// Saving the document into its group of host actions, the question whether
// to save unsaved edits, and the preference write-back.

#include "module/document/docAudiogramModule.h"

#include "module/core/CLangLoader.h"
#include "module/core/GetDateOfEvaluation.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/core/UserPreferences.h"
#include "module/document/ActionDescription.h"
#include "module/panels/INotes.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/com/Creation.h"
#include "platform/com/HResult.h"
#include "platform/runtime/Dates.h"
#include "platform/ui/MessageBox.h"

#include <cmath>
#include <utility>

namespace brisance {

namespace {

using platform::runtime::RuntimeError;
using platform::runtime::Variant;

constexpr std::int32_t kRecentEntriesCategory = 10000;
constexpr std::int32_t kAudiogramFormat = 200;
constexpr std::int32_t kImpedanceFormat = 100;
// Yes/No, the question icon, in front.
constexpr std::uint32_t kQuestionStyle =
    platform::ui::MB_YESNO | platform::ui::MB_ICONQUESTION | platform::ui::MB_SETFOREGROUND;

// One ear's impedance action: its slot, its codes and its texts.
struct EarAction {
    std::int32_t ear;
    std::size_t slot;
    std::int32_t code;
    std::int32_t newText;
    std::int32_t changedText;
    std::int32_t transcriptionText;
};

constexpr std::array<EarAction, 2> kEarActions{{
    {3, 1, kLeftImpedanceCode, TR_NEW_LEFT_IMPEDANCE, TR_LEFT_IMPEDANCE_CHANGED,
     TR_TRANSCRIPTION_OF_LEFT_IMPEDANCE_DATA_INITIALLY_REC},
    {2, 2, kRightImpedanceCode, TR_NEW_RIGHT_IMPEDANCE, TR_RIGHT_IMPEDANCE_CHANGED,
     TR_TRANSCRIPTION_OF_RIGHT_IMPEDANCE_DATA_INITIALLY_RE},
}};

// A new host action of this data type, not yet added to a session.
host::ComPtr<host::IAction> NewAction(std::int32_t code, std::int32_t format, platform::runtime::Date created)
{
    auto action = platform::com::create<host::IAction>(host::kActionClsid);
    action->put_DateCreated(created);
    const auto dataType = action->get_DataType();
    dataType->put_Code(code);
    dataType->put_Format(format);
    return action;
}

// True once the action is the host's stored one; a new action has no place
// in a session yet.
bool IsStored(host::IAction& action)
{
    try {
        action.get_index();
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

// What an action's data can hold: a byte array, or Null for none.
Variant ActionData(const Variant& value)
{
    return value.isArray() ? value : Variant::null();
}

// The host's transaction over one save: every write of the save is stored at
// the commit, or none is, whatever ends the save before it.
class HostTransaction {
public:
    explicit HostTransaction(host::IModuleServer* server) : m_server(server)
    {
        if (!m_server)
            platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
        m_server->BeginTransaction();
    }
    ~HostTransaction()
    {
        if (m_server)
            m_server->RollbackTransaction();
    }
    HostTransaction(const HostTransaction&) = delete;
    HostTransaction& operator=(const HostTransaction&) = delete;

    void Commit()
    {
        // A failed commit is taken back by the host itself.
        std::exchange(m_server, nullptr)->CommitTransaction();
    }

private:
    host::IModuleServer* m_server;
};

// The save's failure message, with its cause where the host names one the
// user can act on.
std::string SaveFailureText(const RuntimeError& error)
{
    std::string text = "There was a problem saving to the TAVO System";
    if (error.number() == host::kDiskFullError)
        text += "\n\n" + ModuleGlobals::UiTextLoader()->LoadResString(TR_NO_SPACE_LEFT_ON_DISK);
    return text;
}

}  // namespace

void docAudiogramModule::mnuFileSave_Click()
{
    SaveActionGroup();
}

host::ComPtr<host::IActions> docAudiogramModule::CurrentSessionActions() const
{
    const auto session = ModServ() ? ModServ()->get_CurrentSession() : nullptr;
    if (!session)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet,
                                 ModuleGlobals::UiTextLoader()->LoadResString(TR_NO_CURRENT_SESSION));
    return session->get_Actions();
}

void docAudiogramModule::SaveUserPreferences()
{
    const auto refusal = brisance::SaveUserPreferences(ModServ(), *ModuleGlobals::PreferenceStore());
    // The preferences stay in memory and every later write tries again; the
    // user hears of a refusal once, not at every command that writes them.
    if (refusal && !m_preferencesRefusalShown) {
        m_preferencesRefusalShown = true;
        ShowError(*refusal);
    }
}

bool docAudiogramModule::SaveActionGroup()
{
    // A past visit stays as it was stored.
    if (m_mode == kModeReadOnly)
        return true;

    // A step that the server failed with an exception of its own is skipped
    // and the save goes on; the save is then not complete, and says so.
    bool complete = true;
    const auto step = [&complete](const auto& work) {
        try {
            work();
        } catch (const RuntimeError& error) {
            if (error.number() != platform::com::RPC_E_SERVERFAULT)
                throw;
            complete = false;
        }
    };

    GroupRevisions savedRevisions{};
    // Every write of the group in one host transaction, stored at its end or
    // not at all. False, with nothing written, when someone else changed the
    // group since this document read it.
    const auto writeGroup = [&]() -> bool {
        HostTransaction transaction(ModServ().get());
        // Checked under the host's write lock, so that nobody changes the
        // group between the check and the writes.
        if (GroupChangedElsewhere())
            return false;

        bool transcription = false;
        step([&] {
            transcription = IsTranscription(*m_notes);
        });

        step([this] {
            if (!m_oGroupActions[0])
                // The host's action needs a day; a stored text that is no
                // date stays in the notes as it is.
                m_oGroupActions[0] = NewAction(kAudiogramCode, kAudiogramFormat,
                                               GetDateOfEvaluation(*m_notes).value_or(platform::runtime::today()));
            m_oGroupActions[0]->put_Description(
                BuildActionDescription(m_mode, *m_notes, m_strDescription, m_oGroupActions[0].get()));
        });

        const CLangLoader& texts = *ModuleGlobals::UiTextLoader();
        for (const EarAction& ear : kEarActions) {
            step([&] {
                Variant data;
                Variant data2;
                const bool hasData = m_data->GetImpedanceActionData(ear.ear, kImpedanceFormat, data, data2);
                host::ComPtr<host::IAction>& slot = m_oGroupActions[ear.slot];
                // Another module's action was never loaded and is never
                // written, its time stamp included: the group lets go of it,
                // and this ear's data, if any, go into an action of this module.
                if (slot && slot->get_CreatorModuleID() != kModuleIdentity)
                    slot = nullptr;
                // An ear whose data were removed still gets its (empty) data
                // written into this module's action, so that the removal is
                // saved too.
                if (!hasData && !slot)
                    return;
                host::ComPtr<host::IAction> action = slot;
                if (action) {
                    action->put_Description(texts.LoadResString(ear.changedText));
                } else {
                    action = NewAction(ear.code, kImpedanceFormat, platform::runtime::today());
                    action->put_Description(texts.LoadResString(ear.newText));
                }
                if (transcription)
                    action->put_Description(TranscriptionDescription(ear.transcriptionText, *m_notes));
                action->put_PublicData(ActionData(data));
                action->put_PrivateData(ActionData(data2));
                // The slot holds the host's stored action only.
                if (!slot)
                    slot = CurrentSessionActions()->Add(action.get());
            });
        }

        step([this] {
            if (!m_oGroupActions[0])
                platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
            m_data->put_DataFormat(kAudiogramFormat);
            m_oGroupActions[0]->put_PublicData(m_data->get_Data());
            m_oGroupActions[0]->put_PrivateData(m_notes->get_Data());
        });

        if (m_mode == kModeNew && !IsStored(*m_oGroupActions[0]))
            step([this] { m_oGroupActions[0] = CurrentSessionActions()->Add(m_oGroupActions[0].get()); });

        const platform::runtime::Date stamp = platform::runtime::now();
        for (const auto& action : m_oGroupActions)
            if (action)
                step([&] { action->put_TimeStamp(stamp); });

        if (!complete)
            platform::runtime::raise(platform::com::RPC_E_SERVERFAULT);
        savedRevisions = RevisionsOf(m_oGroupActions);
        transaction.Commit();
        return true;
    };

    // A save that stops short leaves the group as it was, as the host's
    // transaction leaves the host's database.
    const ActionGroup groupBefore = m_oGroupActions;
    bool written = false;
    try {
        const std::array<INotes*, 3> notesPanels{m_oPureTone->Notes(), m_oSpeech->Notes(), m_oImpedance->Notes()};
        for (std::size_t section = 0; section < notesPanels.size(); ++section)
            notesPanels[section]->SaveToMRUList(kRecentEntriesCategory, static_cast<std::int32_t>(section));
        m_oImpedance->SaveMostRecentlyUsedProbeTones();

        step([this] { SaveUserPreferences(); });
        written = writeGroup();
    } catch (const RuntimeError& error) {
        m_oGroupActions = groupBefore;
        platform::ui::messageBox(this, SaveFailureText(error), ModuleMessageTitle(),
                                 platform::ui::MB_OK | platform::ui::MB_ICONSTOP);
        return false;
    }
    // The messages come once the host's transaction has ended: they never
    // keep other writers waiting.
    if (!written) {
        platform::ui::messageBox(this,
                                 ModuleGlobals::UiTextLoader()->LoadResString(TR_SAVE_WOULD_OVERWRITE_OTHER_CHANGES),
                                 ModuleMessageTitle(), platform::ui::MB_OK | platform::ui::MB_ICONEXCLAMATION);
        return false;
    }

    m_groupRevisions = savedRevisions;
    if (m_mode == kModeNew) {
        m_mode = kModeEditable;
        SetDocumentMode();
    }
    m_oPureTone->DataNeedsSaved(false);
    m_oSpeech->DataNeedsSaved(false);
    m_oImpedance->DataNeedsSaved(false);
    return true;
}

bool docAudiogramModule::GroupChangedElsewhere() const
{
    const GroupRevisions now = RevisionsOf(m_oGroupActions);
    for (std::size_t slot = 0; slot < m_oGroupActions.size(); ++slot) {
        const host::ComPtr<host::IAction>& action = m_oGroupActions[slot];
        // Another module's action is never written: its changes are its own.
        if (action && action->get_CreatorModuleID() == kModuleIdentity && now[slot] != m_groupRevisions[slot])
            return true;
    }
    return false;
}

bool docAudiogramModule::OfferToSaveChanges()
{
    if (m_mode == kModeReadOnly || !AnyViewDirty())
        return true;
    const CLangLoader& texts = *ModuleGlobals::UiTextLoader();
    const int answer = platform::ui::messageBox(this, texts.LoadResString(TR_DO_YOU_WANT_TO_SAVE_CHANGES),
                                                ProgramTitle(texts), kQuestionStyle);
    if (answer != platform::ui::IDYES)
        return true;
    return SaveActionGroup();
}

}  // namespace brisance
