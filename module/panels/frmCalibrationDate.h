#pragma once
// The small dialog in which the user types one audiometer's calibration date.
// The date is free text: it is shown and given back as typed, never parsed.
//
// The caller shows it modally and reads NewDate: the typed text after OK,
// or "" when the date stays as it was (Cancel, the close box, or OK on an
// empty box).

#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;

namespace brisance {

class frmCalibrationDate : public QDialog {
    Q_OBJECT

public:
    explicit frmCalibrationDate(const std::string& date, QWidget* parent = nullptr);

    const std::string& NewDate() const { return m_newDate; }

private:
    void cmdOK_Click();

    std::string m_newDate;
    QLineEdit* txtDate;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace brisance
