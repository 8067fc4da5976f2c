// Which action group the document shows: the client's past audiograms (open
// one, or draw one under the pure-tone charts), a new empty action, and the
// pure-tone view's copy to the opposite ear.

#include "module/document/docAudiogramModule.h"

#include "module/core/CLangLoader.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/SplitText.h"
#include "module/core/TextResources.h"
#include "module/document/ActionDescription.h"
#include "module/document/KeyedTabStrip.h"
#include "module/views/CImpedance.h"
#include "module/views/CPureTone.h"
#include "module/views/CSpeech.h"

#include "platform/runtime/Dates.h"

#include <QAction>

namespace brisance {

namespace {

using platform::runtime::Variant;

// An entry of a menu of audiogram actions. The tag names the action by the
// position of its session among the client's sessions and its position in
// that session: "session index,action index".
using CaptionOf = std::string (*)(host::IAction& action);

std::string PastActionCaption(host::IAction& action)
{
    return platform::runtime::dateText(action.get_DateCreated()) + " " +
           ModuleGlobals::UiTextLoader()->LoadResString(TR_AUDIOGRAM);
}

std::string PreviousActionCaption(host::IAction& action)
{
    return ModuleGlobals::UiTextLoader()->LoadResString(TR_AUDIOGRAM_FROM) + " " +
           platform::runtime::dateText(action.get_DateCreated());
}

void UnloadAboveFirst(MenuControlArray& menu)
{
    for (std::int32_t index = menu.UBound(); index >= 1; --index)
        menu.Unload(index);
}

// Lists every audiogram action of the client in the host's order; gives
// their number.
std::int32_t ListAudiogramActions(MenuControlArray& menu, host::IClient& client, CaptionOf caption)
{
    std::int32_t count = 0;
    const auto sessions = client.get_Sessions();
    for (std::int32_t s = 1; s <= sessions->get_Count(); ++s) {
        const auto session = sessions->Item(s);
        const auto actions = session->get_Actions();
        for (std::int32_t a = 1; a <= actions->get_Count(); ++a) {
            const auto action = actions->Item(a);
            if (action->get_DataType()->get_Code() != kAudiogramCode)
                continue;
            if (!menu.Exists(count))
                menu.Load(count);
            menu.Visible(count, true);
            menu.Caption(count, caption(*action));
            menu.Tag(count, std::to_string(session->get_index()) + "," + std::to_string(action->get_index()));
            ++count;
        }
    }
    return count;
}

}  // namespace

void docAudiogramModule::ConnectActionCommands()
{
    connect(m_menus.mnuFileNewAction, &QAction::triggered, this,
            [this] { Guarded([this] { mnuFileNewAction_Click(); }); });
    connect(m_menus.mnuEditCopyEar, &QAction::triggered, this, [this] { Guarded([this] { mnuEditCopyEar_Click(); }); });
    connect(m_menus.mnuFilePastAction, &MenuControlArray::Click, this,
            [this](std::int32_t index) { Guarded([this, index] { mnuFilePastAction_Click(index); }); });
    connect(m_menus.mnuViewPrevAction, &MenuControlArray::Click, this,
            [this](std::int32_t index) { Guarded([this, index] { mnuViewPrevAction_Click(index); }); });
}

void docAudiogramModule::BuildPastActionMenu()
{
    MenuControlArray& menu = *m_menus.mnuFilePastAction;
    UnloadAboveFirst(menu);
    menu.Visible(0, false);
    const auto client = ModServ() ? ModServ()->get_CurrentClient() : nullptr;
    if (client)
        ListAudiogramActions(menu, *client, PastActionCaption);
    m_menus.mnuFileLine2->setVisible(menu.Visible(0));
}

std::int32_t docAudiogramModule::BuildPreviousActionMenu()
{
    MenuControlArray& menu = *m_menus.mnuViewPrevAction;
    UnloadAboveFirst(menu);
    return ListAudiogramActions(menu, *ModServ()->get_CurrentClient(), PreviousActionCaption);
}

host::ComPtr<host::IAction> docAudiogramModule::ActionOfTag(const std::string& tag) const
{
    const CLangLoader& texts = *ModuleGlobals::UiTextLoader();
    const auto noSuchAction = [&](std::int32_t number) {
        platform::runtime::raise(number, texts.LoadResString(TR_NO_SUCH_ACTION) + " " + tag);
    };
    const std::vector<std::string> parts = SplitText(tag, ',');
    if (parts.size() != 2)
        noSuchAction(platform::runtime::errors::InvalidProcedureCall);
    const auto client = ModServ()->get_CurrentClient();
    if (!client)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet, texts.LoadResString(TR_NO_CURRENT_CLIENT));
    const auto session = client->get_Sessions()->Item(Variant(parts[0]).toLong());
    const auto action = session ? session->get_Actions()->Item(Variant(parts[1]).toLong()) : nullptr;
    if (!action)
        noSuchAction(platform::runtime::errors::ObjectNotSet);
    return action;
}

void docAudiogramModule::mnuFilePastAction_Click(std::int32_t Index)
{
    // Unsaved edits that the user wanted kept but could not be saved stay shown.
    if (!OfferToSaveChanges())
        return;
    // The whole group is found before anything changes, so that a stale entry
    // or a failing host leaves the document as it was.
    const ActionGroup group = GroupOfAction(ActionOfTag(m_menus.mnuFilePastAction->Tag(Index)));
    m_oGroupActions = group;
    DiscardUndoState();
    ClearViews();
    LoadDocumentAndDecideMode();
    SetDocumentMode();
}

void docAudiogramModule::mnuViewPrevAction_Click(std::int32_t Index)
{
    MenuControlArray& menu = *m_menus.mnuViewPrevAction;
    const auto& underlay = m_oPureTone->UnderlayDataLayer();
    if (!menu.Checked(Index)) {
        const auto action = ActionOfTag(menu.Tag(Index));
        underlay->put_DataFormat(action->get_DataType()->get_Format());
        underlay->put_Data(action->get_PublicData());
        for (std::int32_t index = 0; index <= menu.UBound(); ++index)
            if (menu.Exists(index))
                menu.Checked(index, index == Index);
    } else {
        menu.Checked(Index, false);
        underlay->get_PureToneCurves()->Clear();
    }
    m_oPureTone->RenderPureToneActionUnderlay();
}

void docAudiogramModule::mnuFileNewAction_Click()
{
    if (OfferToSaveChanges())
        StartNewAction();
}

void docAudiogramModule::StartNewAction()
{
    ClearViews();
    m_data->get_PureToneCurves()->Clear();
    m_data->get_SpeechCurves()->Clear();
    m_data->get_Tympanograms()->Clear();
    m_notes->Clear();
    m_mode = kModeNew;
    m_strDescription = BuildActionDescription(m_mode, *m_notes, std::string(), nullptr);
    m_oGroupActions = ActionGroup{};
    UpdateDatePanel();
    SetDocumentMode();
    m_oPureTone->DataNeedsSaved(false);
    m_oSpeech->DataNeedsSaved(false);
    m_oImpedance->DataNeedsSaved(false);
    DiscardUndoState();
}

void docAudiogramModule::mnuEditCopyEar_Click()
{
    if (m_tabMain->SelectedKey() == "PURETONE")
        m_oPureTone->CopyEarDataToOffEar();
}

}  // namespace brisance
