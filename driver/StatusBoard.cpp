#include "driver/StatusBoard.h"

#include "driver/CCurvesDialog.h"

#include <QMetaObject>

namespace marlet {

void StatusBoard::showStatus(StatusField field, const std::string& text)
{
    post([field, text](CCurvesDialog& dialog) { dialog.showStatus(field, text); });
}

bool StatusBoard::post(std::function<void(CCurvesDialog&)> work)
{
    // The dialog detaches under the same lock before it is destroyed, and Qt
    // drops the work still queued for a destroyed dialog.
    const std::lock_guard lock(m_mutex);
    if (!m_dialog)
        return false;
    CCurvesDialog* dialog = m_dialog;
    QMetaObject::invokeMethod(dialog, [dialog, work = std::move(work)] { work(*dialog); }, Qt::QueuedConnection);
    return true;
}

void StatusBoard::attach(CCurvesDialog* dialog)
{
    const std::lock_guard lock(m_mutex);
    m_dialog = dialog;
    m_acCurve.store(AcCurve::Htl);
}

void StatusBoard::detach(CCurvesDialog* dialog)
{
    const std::lock_guard lock(m_mutex);
    if (m_dialog == dialog) {
        m_dialog = nullptr;
        m_acCurve.store(AcCurve::Htl);
    }
}

}  // namespace marlet
