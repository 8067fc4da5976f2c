#pragma once
// Adds or edits one client: names, client number and birth date. The dialog
// only gathers the values; whoever opened it stores them when it is accepted.

#include "host/Records.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace host {

class ClientDialog : public QDialog {
    Q_OBJECT
public:
    explicit ClientDialog(const ClientRecord& client, QWidget* parent = nullptr);

    // The values as entered; id as given to the constructor.
    ClientRecord client() const;

    QLineEdit* txtFirstName() const { return m_firstName; }
    QLineEdit* txtMiddleName() const { return m_middleName; }
    QLineEdit* txtLastName() const { return m_lastName; }
    QLineEdit* txtClientNo() const { return m_clientNo; }
    QCheckBox* chkBirthDate() const { return m_hasBirthDate; }
    QDateEdit* dtpBirthDate() const { return m_birthDate; }
    QDialogButtonBox* buttons() const { return m_buttons; }

private:
    void updateState();

    RowId m_id;
    QLineEdit* m_firstName;
    QLineEdit* m_middleName;
    QLineEdit* m_lastName;
    QLineEdit* m_clientNo;
    QCheckBox* m_hasBirthDate;
    QDateEdit* m_birthDate;
    QLabel* m_problem;
    QDialogButtonBox* m_buttons;
};

}  // namespace host
