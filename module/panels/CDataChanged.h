#pragma once
// Watches one input control and raises DataChanged once for every change of
// its data, by the user or by code: a text box's text, a combo box's text or
// selection, a date picker's value. A selection in a combo's list that also
// changes its text is one change.
//
// Text boxes are QLineEdit (single-line) or QPlainTextEdit (multi-line); combo
// boxes are editable or drop-down lists; date pickers are QDateTimeEdit and
// its QDateEdit. Setting a control replaces the one watched in that role;
// null stops watching it.

#include <QComboBox>
#include <QDateTimeEdit>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace brisance {

class CDataChanged final : public QObject {
    Q_OBJECT

public:
    explicit CDataChanged(QObject* parent = nullptr);

    QWidget* TextBox() const { return m_textBox; }
    void TextBox(QLineEdit* textBox);
    void TextBox(QPlainTextEdit* textBox);

    QComboBox* ComboBox() const { return m_comboBox; }
    void ComboBox(QComboBox* comboBox);

    QDateTimeEdit* DTPicker() const { return m_dtPicker; }
    void DTPicker(QDateTimeEdit* dtPicker);

signals:
    void DataChanged();

private:
    // What a combo shows; a signal that leaves it as it was reports nothing.
    struct ComboState {
        int index = -1;
        QString text;
        friend bool operator==(const ComboState&, const ComboState&) = default;
    };
    void comboMayHaveChanged();
    void plainTextMayHaveChanged();

    QPointer<QWidget> m_textBox;
    QMetaObject::Connection m_textBoxConnection;
    QString m_plainText;

    QPointer<QComboBox> m_comboBox;
    QMetaObject::Connection m_comboTextConnection;
    QMetaObject::Connection m_comboIndexConnection;
    ComboState m_comboState;

    QPointer<QDateTimeEdit> m_dtPicker;
    QMetaObject::Connection m_dtPickerConnection;
};

}  // namespace brisance
