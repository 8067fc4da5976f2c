#include "module/core/docAudiogramModule.h"

#include "module/core/frmReadOnlyMsg.h"

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

void docAudiogramModule::LinkResultWhileReadOnly()
{
    // A measurement sends result after result: the user is asked once, and
    // after going on viewing the rest of them goes nowhere too.
    if (m_mode != kModeReadOnly || m_readOnlyResultAsked)
        return;
    m_readOnlyResultAsked = true;
    picViewPort_MouseDown();
}

}  // namespace brisance
