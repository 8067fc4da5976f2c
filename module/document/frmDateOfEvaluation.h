#pragma once
// The dialog in which the user sets the date of evaluation: the day the
// audiogram was taken, which may be earlier than the day it is entered. It
// opens on today; the caller then gives it the document's date, shows it
// modally and reads Accepted and EvaluationDate. OK and Cancel only record
// the outcome and hide the dialog; the close box and Escape act as Cancel.
// F1 opens help context 116. Captions come from the UI text loader.

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "platform/runtime/Variant.h"
#endif

#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

namespace brisance {

class frmDateOfEvaluation : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 116;

    explicit frmDateOfEvaluation(QWidget* parent = nullptr);

    // The picker's day.
    platform::runtime::Date EvaluationDate() const;
    void EvaluationDate(platform::runtime::Date date);

    // True after OK; False after Cancel or the close box.
    bool Accepted = false;

    void reject() override;

    QLabel* lblDateOfEvaluation;
    QDateEdit* dtpDateOfEval;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QLabel* Image1;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdOK_Click();
};

}  // namespace brisance
