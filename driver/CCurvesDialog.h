#pragma once
// The status dialog shown while connected: the AC curve that air-conduction
// values become (HTL, MCL, UCL), the audiometer's and the tympanometer's
// status texts, and "Adv Setup" for the audiometer's advanced settings.
//
// Each status text names the instrument's model and port and, below, what its
// line is doing: connected and waiting, reading, the time of the last record,
// an error, or that the line has gone. The dialog is a tool window of the
// caller's window that stands beside it (DialogPlacement.h), placed again
// whenever that window or the dialog changes; without a caller's window it is
// a window of its own.
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
#include <QString>

#include <array>
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

    // Shows what the instrument's line is doing under its name.
    void showStatus(StatusField field, const std::string& text);
    // Shows the pick-curve dialog (owned by this dialog's parent) for the
    // question; its answer goes back to the question.
    void askPickCurve(CurveQuestion& question);

    // The dialogs this one opened and that are still open.
    QDialog* pickCurveDialog() const { return m_pick; }
    QDialog* advancedSetupDialog() const { return m_advanced; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void openAdvancedSetup();

    struct StatusLine {
        QLabel* label = nullptr;
        QString instrument;  // the model, and its port when it has one
    };
    StatusLine& lineOf(StatusField field) { return m_lines[static_cast<std::size_t>(field)]; }

    DriverLibrary& m_library;
    std::array<StatusLine, 2> m_lines;
    QPointer<QDialog> m_pick;
    QPointer<QDialog> m_advanced;
};

}  // namespace marlet
