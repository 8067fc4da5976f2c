#pragma once
// The properties of the shown audiogram: when its action was created and
// last changed and by whom, its description and its date of evaluation. The
// caller fills the value labels, the description and the picker, locks the
// description of a read-only document, shows the dialog modally and reads
// the description and the picker back. OK is the only way out: the close box
// and Escape leave it open. Captions come from the UI text loader.

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brisance {

class frmAudiogramProperties : public QDialog {
    Q_OBJECT

public:
    explicit frmAudiogramProperties(QWidget* parent = nullptr);

    QLabel* lblDateCreated;
    QLabel* lblDateCreatedValue;
    QLabel* lblLastModified;
    QLabel* lblLastModifiedValue;
    QLabel* lblUserInitials;
    QLabel* lblUserInitialsValue;
    QLabel* lblDescription;
    QLineEdit* txtDescription;
    QLabel* lblDateOfEvaluation;
    QDateEdit* dtpDateOfEval;
    QPushButton* cmdOK;
    QLabel* Picture1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace brisance
