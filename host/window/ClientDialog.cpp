#include "host/window/ClientDialog.h"

#include "host/window/DateConversion.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace host {

ClientDialog::ClientDialog(const ClientRecord& client, QWidget* parent)
    : QDialog(parent),
      m_id(client.id),
      m_firstName(new QLineEdit(QString::fromStdString(client.firstName))),
      m_middleName(new QLineEdit(QString::fromStdString(client.middleName))),
      m_lastName(new QLineEdit(QString::fromStdString(client.lastName))),
      m_clientNo(new QLineEdit(QString::fromStdString(client.clientNo))),
      m_hasBirthDate(new QCheckBox(tr("Known"))),
      m_birthDate(new QDateEdit),
      m_problem(new QLabel),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setWindowTitle(client.id == 0 ? tr("New client") : tr("Edit client"));
    m_birthDate->setCalendarPopup(true);
    m_birthDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_birthDate->setDate(client.birthDate ? toQDate(*client.birthDate) : QDate(1970, 1, 1));
    m_hasBirthDate->setChecked(client.birthDate.has_value());

    auto* birth = new QHBoxLayout;
    birth->addWidget(m_hasBirthDate);
    birth->addWidget(m_birthDate, 1);
    auto* form = new QFormLayout;
    form->addRow(tr("&First name:"), m_firstName);
    form->addRow(tr("&Middle name:"), m_middleName);
    form->addRow(tr("&Last name:"), m_lastName);
    form->addRow(tr("Client &number:"), m_clientNo);
    // A row of two widgets gets no buddy from the form; without one the
    // mnemonic would show as a literal ampersand.
    auto* birthLabel = new QLabel(tr("&Birth date:"));
    birthLabel->setBuddy(m_birthDate);
    form->addRow(birthLabel, birth);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* edit : {m_firstName, m_lastName}) connect(edit, &QLineEdit::textChanged, this, &ClientDialog::updateState);
    connect(m_hasBirthDate, &QCheckBox::toggled, this, &ClientDialog::updateState);
    updateState();
}

ClientRecord ClientDialog::client() const
{
    ClientRecord client;
    client.id = m_id;
    client.firstName = m_firstName->text().trimmed().toStdString();
    client.middleName = m_middleName->text().trimmed().toStdString();
    client.lastName = m_lastName->text().trimmed().toStdString();
    client.clientNo = m_clientNo->text().trimmed().toStdString();
    if (m_hasBirthDate->isChecked()) client.birthDate = fromQDate(m_birthDate->date());
    return client;
}

void ClientDialog::updateState()
{
    const bool named = !m_firstName->text().trimmed().isEmpty() || !m_lastName->text().trimmed().isEmpty();
    m_problem->setText(named ? QString() : tr("A client needs a first or a last name."));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(named);
    m_birthDate->setEnabled(m_hasBirthDate->isChecked());
}

}  // namespace host
