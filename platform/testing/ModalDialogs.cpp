#include "platform/testing/ModalDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <deque>

namespace platform::testing {

bool processUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(std::min(8, widget->width() / 2), widget->height() / 2));
}

void choose(QComboBox* combo, int row)
{
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < row; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

void choose(QComboBox* combo, const QString& text)
{
    choose(combo, combo->findText(text));
}

std::string typeName(const std::type_info& type)
{
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                      std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

namespace {

std::string describe(const QWidget& window)
{
    std::string text = typeName(typeid(window));
    if (!window.windowTitle().isEmpty())
        text += " \"" + window.windowTitle().toStdString() + "\"";
    return text;
}

// Ends the modal loop of a window as its close box would: a dialog is rejected.
void endModalLoop(QWidget& window)
{
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        dialog->reject();
    else
        window.close();
}

void endEveryModalLoop()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isModal())
            endModalLoop(*window);
    }
}

}  // namespace

class ModalDialogs::Guard : public QObject {
public:
    struct Expected {
        std::string name;
        std::function<bool(const QWidget&)> matches;
        std::function<void(QWidget&)> answer;
    };

    explicit Guard(std::chrono::milliseconds bound) : m_bound(bound)
    {
        qApp->installEventFilter(this);
        connect(&m_watchdog, &QTimer::timeout, this, [this] { checkDeadline(); });
        m_watchdog.start(20);
        restartClock();
    }

    ~Guard() override
    {
        qApp->removeEventFilter(this);
        if (!m_expected.empty()) {
            std::string names;
            for (const Expected& expected : m_expected)
                names += (names.empty() ? "" : ", ") + expected.name;
            ADD_FAILURE() << "Expected the modal dialog(s) " << names << " to open; they never did.";
        }
    }

    void expect(Expected expected)
    {
        m_expected.push_back(std::move(expected));
        restartClock();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous() && object->isWidgetType()) {
            auto* window = static_cast<QWidget*>(object);
            if (window->isWindow() && window->isModal())
                opened(*window);
        }
        return false;
    }

private:
    // Called while the window is being shown, before its modal loop runs: the
    // answer, or the closing, waits for that loop.
    void opened(QWidget& window)
    {
        QPointer<QWidget> shown(&window);
        if (m_failed) {
            QTimer::singleShot(0, this, [shown] {
                if (shown)
                    endModalLoop(*shown);
            });
            return;
        }
        if (m_expected.empty()) {
            fail("The modal window " + describe(window) + " opened, but no answer was queued for it.");
            return;
        }
        if (!m_expected.front().matches(window)) {
            fail("Expected the modal dialog " + m_expected.front().name + " to open, but " + describe(window) +
                 " opened instead.");
            return;
        }
        Expected expected = std::move(m_expected.front());
        m_expected.pop_front();
        restartClock();
        QTimer::singleShot(0, this, [this, shown, answer = std::move(expected.answer)] {
            if (!shown)
                return;
            if (!m_failed)
                answer(*shown);
            if (shown && shown->isVisible())
                endModalLoop(*shown);
            restartClock();
        });
    }

    void fail(const std::string& message)
    {
        ADD_FAILURE() << message;
        m_failed = true;
        m_expected.clear();
        QTimer::singleShot(0, this, [] { endEveryModalLoop(); });
    }

    void restartClock() { m_deadline = std::chrono::steady_clock::now() + m_bound; }

    void checkDeadline()
    {
        if (m_failed || m_expected.empty() || std::chrono::steady_clock::now() < m_deadline)
            return;
        fail("Expected the modal dialog " + m_expected.front().name + " to open within " +
             std::to_string(m_bound.count()) + " ms; it did not.");
    }

    std::chrono::milliseconds m_bound;
    std::deque<Expected> m_expected;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_failed = false;
    QTimer m_watchdog;
};

ModalDialogs::ModalDialogs(std::chrono::milliseconds bound) : m_guard(std::make_unique<Guard>(bound)) {}

ModalDialogs::~ModalDialogs() = default;

void ModalDialogs::expect(std::string dialogName, std::function<bool(const QWidget&)> matches,
                          std::function<void(QWidget&)> answer)
{
    m_guard->expect({std::move(dialogName), std::move(matches), std::move(answer)});
}

}  // namespace platform::testing
