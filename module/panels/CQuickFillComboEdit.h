#pragma once
// Type-ahead for an editable combo box: every character typed into the combo
// is taken over and completes the typed text from the combo's own list (the
// first item that begins with it, without regard to case), leaving the
// completed remainder selected so that the next character replaces it.
//
// Printable characters, Backspace, Enter and Escape are taken over; Enter,
// Escape, "{", "|", "}" and "~" add nothing but complete again. Navigation
// and editing keys (arrows, Home, End, Delete, Tab, the clipboard shortcuts)
// stay with the combo. The typed text is forgotten when the combo gets the
// focus and whenever its text becomes empty.

#include <QComboBox>
#include <QObject>
#include <QPointer>
#include <QString>

namespace brisance {

class CQuickFillComboEdit final : public QObject {
    Q_OBJECT

public:
    explicit CQuickFillComboEdit(QObject* parent = nullptr);
    ~CQuickFillComboEdit() override;

    // The watched combo box, or null. Setting another one (or null) first
    // gives the previous combo back its own key handling.
    QComboBox* Control() const { return m_Control; }
    void Control(QComboBox* combo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void detach();
    void characterTyped(QChar character);
    void complete();

    QPointer<QComboBox> m_Control;
    QString m_typed;
};

}  // namespace brisance
