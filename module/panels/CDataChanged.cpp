#include "module/panels/CDataChanged.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace brisance {

CDataChanged::CDataChanged(QObject* parent) : QObject(parent) {}

void CDataChanged::TextBox(QLineEdit* textBox)
{
    disconnect(m_textBoxConnection);
    m_textBox = textBox;
    if (textBox)
        m_textBoxConnection = connect(textBox, &QLineEdit::textChanged, this, &CDataChanged::DataChanged);
}

void CDataChanged::TextBox(QPlainTextEdit* textBox)
{
    disconnect(m_textBoxConnection);
    m_textBox = textBox;
    if (!textBox) return;
    m_plainText = textBox->toPlainText();
    m_textBoxConnection =
        connect(textBox, &QPlainTextEdit::textChanged, this, &CDataChanged::plainTextMayHaveChanged);
}

// A multi-line box also signals when its text is set to what it already was.
void CDataChanged::plainTextMayHaveChanged()
{
    const auto* box = static_cast<QPlainTextEdit*>(m_textBox.data());
    QString text = box->toPlainText();
    if (text == m_plainText) return;
    m_plainText = std::move(text);
    emit DataChanged();
}

void CDataChanged::ComboBox(QComboBox* comboBox)
{
    disconnect(m_comboTextConnection);
    disconnect(m_comboIndexConnection);
    m_comboBox = comboBox;
    if (!comboBox) return;
    m_comboState = {comboBox->currentIndex(), comboBox->currentText()};
    // A selection that changes an editable combo's text signals twice: the
    // text first, the index after it; both see the new state, so the second
    // finds nothing new.
    m_comboTextConnection =
        connect(comboBox, &QComboBox::editTextChanged, this, &CDataChanged::comboMayHaveChanged);
    m_comboIndexConnection =
        connect(comboBox, &QComboBox::currentIndexChanged, this, &CDataChanged::comboMayHaveChanged);
}

void CDataChanged::comboMayHaveChanged()
{
    ComboState state{m_comboBox->currentIndex(), m_comboBox->currentText()};
    if (state == m_comboState) return;
    m_comboState = std::move(state);
    emit DataChanged();
}

void CDataChanged::DTPicker(QDateTimeEdit* dtPicker)
{
    disconnect(m_dtPickerConnection);
    m_dtPicker = dtPicker;
    if (dtPicker)
        m_dtPickerConnection =
            connect(dtPicker, &QDateTimeEdit::dateTimeChanged, this, &CDataChanged::DataChanged);
}

}  // namespace brisance
