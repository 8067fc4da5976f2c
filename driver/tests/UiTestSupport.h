#pragma once
// Driving the driver's dialogs in tests: running the event loop until
// something happened, clicking and choosing as a user does, and answering a
// modal dialog from inside its own loop.

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <functional>

namespace marlet::testing {

// Runs the event loop until `done` or two seconds have passed; the result of `done`.
inline bool processUntil(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

template <typename Widget = QWidget>
Widget* child(const QObject& parent, const char* objectName)
{
    return parent.findChild<Widget*>(objectName);
}

// Near the left edge: a check box or radio button wider than its text takes
// clicks only on its box and text.
inline void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(std::min(8, widget->width() / 2), widget->height() / 2));
}

// Chooses the item with the keyboard, as a user does.
inline void choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

// Runs `answer` with the modal dialog of this type once its loop runs; a
// dialog that `answer` leaves open is rejected, and any other modal window is
// closed, so that the test never hangs.
template <typename Dialog>
void answerModal(std::function<void(Dialog&)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = dynamic_cast<Dialog*>(modal)) {
            answer(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        } else if (modal) {
            modal->close();
        }
    });
}

}  // namespace marlet::testing
