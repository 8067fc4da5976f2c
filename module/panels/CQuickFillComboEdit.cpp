#include "module/panels/CQuickFillComboEdit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace brisance {
namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
constexpr char16_t kEscape = 27;

// What a typed character adds to the typed text: the characters from the
// blank to "z", and the letters beyond ASCII, so that an accented name can
// be typed. "{", "|", "}" and "~" add nothing.
bool addsToTypedText(QChar character)
{
    const char16_t code = character.unicode();
    if (code >= 32 && code <= 122) return true;
    return code > 127 && character.isPrint();
}

// The character a key press types, as a key-press handler sees it: printable
// characters, Backspace, Enter and Escape; a null character for every other key.
QChar typedCharacter(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Backspace: return QChar(kBackspace);
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(kEnter);
    case Qt::Key_Escape: return QChar(kEscape);
    default: break;
    }
    const QString text = key.text();
    if (text.size() == 1 && text[0].isPrint()) return text[0];
    return {};
}

}  // namespace

CQuickFillComboEdit::CQuickFillComboEdit(QObject* parent) : QObject(parent) {}

CQuickFillComboEdit::~CQuickFillComboEdit()
{
    detach();
}

void CQuickFillComboEdit::Control(QComboBox* combo)
{
    detach();
    m_Control = combo;
    m_typed.clear();
    if (!combo) return;
    // Keys reach the combo, or its line edit when sent there directly.
    combo->installEventFilter(this);
    if (QLineEdit* edit = combo->lineEdit()) edit->installEventFilter(this);
    connect(combo, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (text.isEmpty()) m_typed.clear();
    });
}

void CQuickFillComboEdit::detach()
{
    if (!m_Control) return;
    m_Control->removeEventFilter(this);
    if (QLineEdit* edit = m_Control->lineEdit()) edit->removeEventFilter(this);
    disconnect(m_Control, nullptr, this, nullptr);
    m_Control = nullptr;
}

bool CQuickFillComboEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        m_typed.clear();
    } else if (event->type() == QEvent::KeyPress) {
        const QChar character = typedCharacter(*static_cast<QKeyEvent*>(event));
        if (!character.isNull()) {
            characterTyped(character);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CQuickFillComboEdit::characterTyped(QChar character)
{
    if (character == QChar(kBackspace)) {
        if (m_typed.size() < 2) {
            m_typed.clear();
            m_Control->setEditText(QString());
        } else {
            m_typed.chop(1);
        }
    } else if (addsToTypedText(character)) {
        m_typed += character;
    }
    complete();
}

void CQuickFillComboEdit::complete()
{
    // With nothing typed there is nothing to complete: a field the user has
    // just emptied stays empty rather than taking the list's first item.
    if (m_typed.isEmpty()) return;
    const int found = m_Control->findText(m_typed, Qt::MatchStartsWith);
    if (found >= 0) {
        m_Control->setCurrentIndex(found);
        m_Control->setEditText(m_Control->itemText(found));
    } else {
        m_Control->setEditText(m_typed);
    }
    QLineEdit* edit = m_Control->lineEdit();
    if (!edit) return;
    // The caret stands behind the typed text, the completed remainder selected.
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
    edit->cursorBackward(true, static_cast<int>(edit->text().size() - m_typed.size()));
}

}  // namespace brisance
