#pragma once
// What the record reader and parsers, on the link's worker thread, see of the
// status dialog, which lives on the user-interface thread. The worker never
// calls the dialog and never waits for the user-interface thread (that thread
// may itself be waiting for the worker to stop): status texts and requests
// are posted and run when the user-interface thread next runs its loop, and
// the AC curve is a copy that the dialog keeps up to date.
//
// While no status dialog exists, posted work goes nowhere and the AC curve is
// HTL.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

namespace marlet {

class CCurvesDialog;

enum class StatusField { Audiometer, Tympanometer };

// The curve that air-conduction values become: threshold (HTL), most
// comfortable level (MCL) or uncomfortable level (UCL).
enum class AcCurve { Htl, Mcl, Ucl };

class StatusBoard {
public:
    // Any thread. Shows the text in the field once the user-interface thread
    // runs its loop.
    void showStatus(StatusField field, const std::string& text);
    // Any thread. Runs `work` on the user-interface thread with the status
    // dialog; false, with nothing posted, when there is no status dialog.
    bool post(std::function<void(CCurvesDialog&)> work);
    // Any thread.
    AcCurve acCurve() const { return m_acCurve.load(); }

    // The status dialog's own calls, on the user-interface thread.
    void attach(CCurvesDialog* dialog);
    void detach(CCurvesDialog* dialog);
    void setAcCurve(AcCurve curve) { m_acCurve.store(curve); }

private:
    std::mutex m_mutex;
    CCurvesDialog* m_dialog = nullptr;
    std::atomic<AcCurve> m_acCurve{AcCurve::Htl};
};

}  // namespace marlet
