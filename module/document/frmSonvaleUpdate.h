#pragma once
// The question whether a driver that is already installed is to be replaced
// by the one the user chose. OK sets ReplaceExisting and Cancel clears it;
// either hides the dialog, and the caller reads ReplaceExisting afterwards.
// Closed by its frame, it replaces nothing.

#include <QDialog>

class QLabel;
class QPushButton;

namespace brisance {

class frmSonvaleUpdate : public QDialog {
    Q_OBJECT

public:
    explicit frmSonvaleUpdate(QWidget* parent = nullptr);

    bool ReplaceExisting() const { return m_replaceExisting; }

    QLabel* lblAlreadyExists;
    QLabel* lblReplace;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void cmdOK_Click();
    void cmdCancel_Click();

    bool m_replaceExisting = false;
};

}  // namespace brisance
