#pragma once
// What the tests of the test dialogs share: the module's objects with the
// English texts through the UI text loader, the test responder for message
// boxes, colour dialogs and help, and the driver that answers the dialogs
// shown modally.

#include "module/core/tests/TextsTestSupport.h"

#include "platform/testing/ModalDialogs.h"
#include "platform/ui/TestResponder.h"

#include <QLineEdit>
#include <QTest>

namespace brisance::testing {

using platform::testing::child;
using platform::testing::choose;
using platform::testing::click;

class DialogTest : public ModuleTextsTest {
protected:
    platform::ui::TestResponder responder;
    platform::testing::ModalDialogs dialogs;
};

// Types into the box after what it holds, as a user does.
inline void typeText(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, text);
}

// Empties the box with the keyboard.
inline void clearText(QLineEdit* box)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
}

// The open in-place editor of a list, or null.
inline QLineEdit* openEditor(const QWidget& list)
{
    for (QLineEdit* editor : list.findChildren<QLineEdit*>())
        if (editor->isVisible())
            return editor;
    return nullptr;
}

}  // namespace brisance::testing
