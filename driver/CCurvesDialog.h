#pragma once
// The status dialog shown while connected: the AC curve that air-conduction
// values become (HTL, MCL, UCL), the audiometer's and the tympanometer's
// status texts, and "Adv Setup" for the audiometer's advanced settings.
//
// It is a child of the caller's window, drawn over it: its left edge at half
// the caller's width less 65 (at least 325), 60 from its top, placed again
// whenever it repaints; without a caller's window it is a window of its own
// at that place on the screen. It keeps its own size: its status fields are
// as wide as the driver's longest status text. It goes when the driver is
// released.
//
// Controls carry their ids as object names: 2041 the "AC Curve" group, 2042
// "HTL", 2043 "MCL", 2044 "UCL", 2045 and 2046 the audiometer's label and
// status text, 2048 and 2049 the tympanometer's, 2047 "Adv Setup".
//
// Lives on the user-interface thread; the worker reaches it only through the
// status board (StatusBoard.h), to which it attaches itself.

#include "driver/StatusBoard.h"

#include <QDialog>
#include <QPointer>

#include <string>

class QLabel;

namespace marlet {

class CurveQuestion;
class DriverLibrary;

class CCurvesDialog : public QDialog {
public:
    enum ControlId : int {
        IdcCurveGroup = 2041,
        IdcHtl = 2042,
        IdcMcl = 2043,
        IdcUcl = 2044,
        IdcAudioLabel = 2045,
        IdcAudioStatus = 2046,
        IdcAdvSetup = 2047,
        IdcTympLabel = 2048,
        IdcTympStatus = 2049,
    };

    CCurvesDialog(DriverLibrary& library, QWidget* parent);
    ~CCurvesDialog() override;

    void showStatus(StatusField field, const std::string& text);
    // Shows the pick-curve dialog (owned by this dialog's parent) for the
    // question; its answer goes back to the question.
    void askPickCurve(CurveQuestion& question);

    // The dialogs this one opened and that are still open.
    QDialog* pickCurveDialog() const { return m_pick; }
    QDialog* advancedSetupDialog() const { return m_advanced; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    void openAdvancedSetup();

    DriverLibrary& m_library;
    QLabel* m_audioStatus = nullptr;
    QLabel* m_tympStatus = nullptr;
    QPointer<QDialog> m_pick;
    QPointer<QDialog> m_advanced;
};

}  // namespace marlet
