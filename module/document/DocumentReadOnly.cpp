#include "module/document/docAudiogramModule.h"

#include "module/document/frmReadOnlyMsg.h"

#include "platform/ui/MessageBox.h"

namespace brisance {

void docAudiogramModule::picViewPort_MouseDown()
{
    if (m_mode != kModeReadOnly)
        return;
    frmReadOnlyMsg dialog(this);
    const bool answered = dialog.exec() == QDialog::Accepted;
    const std::int32_t choice = answered ? dialog.Choice() : platform::ui::IDCANCEL;
    if (choice == platform::ui::IDYES) {
        // The shown data, date of evaluation, notes and comments stay; the
        // next save makes new actions of them.
        m_oGroupActions = ActionGroup{};
        m_mode = kModeNew;
        SetDocumentMode();
    } else if (choice == platform::ui::IDNO) {
        StartNewAction();
    }
}

void docAudiogramModule::LinkResultWhileReadOnly(const std::function<void()>& take)
{
    // A measurement sends result after result, from both views' links: the
    // user is asked once, the results that come while the question is open
    // wait for its answer, and after going on viewing every result of the
    // shown group goes nowhere.
    if (m_resultsAwaitingAnswer) {
        m_resultsAwaitingAnswer->push_back(take);
        return;
    }
    if (m_mode != kModeReadOnly || m_readOnlyResultAsked)
        return;
    m_readOnlyResultAsked = true;
    std::vector<std::function<void()>> waiting{take};
    m_resultsAwaitingAnswer = &waiting;
    picViewPort_MouseDown();
    m_resultsAwaitingAnswer = nullptr;
    if (m_mode != kModeReadOnly)
        for (const auto& result : waiting)
            result();
}

}  // namespace brisance
