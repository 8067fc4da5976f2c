#pragma once
// Driving dialogs in tests as a user does, and answering modal dialogs at any
// depth without ever blocking.
//
// A test queues one answer per modal dialog, in the order the dialogs will
// open. Each dialog is answered from inside its own modal loop, so an answer
// may open the next dialog (a picker from a properties dialog) and that one is
// answered inside its loop in turn. A dialog that its answer leaves open is
// rejected, as its close box would.
//
// The guard: a modal window that opens when no answer is queued, or that is
// not of the type expected next, or an expected dialog that does not open
// within the bound while the event loop runs, fails the test with a message
// naming the expected and the found window, and every open modal window is
// closed so that every modal loop ends. An answer still queued when the object
// goes fails the test too: its dialog never opened.
//
// Message boxes and common dialogs never open in tests: the ui test responder
// (platform/ui/TestResponder.h) answers them. One ModalDialogs at a time, on
// the user-interface thread.

#include <QComboBox>
#include <QString>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>

namespace platform::testing {

// Runs the event loop until `done` or `timeout` has passed; the result of `done`.
bool processUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds timeout = std::chrono::seconds(2));

template <typename Widget = QWidget>
Widget* child(const QObject& parent, const char* objectName)
{
    return parent.findChild<Widget*>(objectName);
}

// A left click near the left edge: a check box or radio button wider than its
// text takes clicks only on its box and text.
void click(QWidget* widget);

// Chooses the entry at the row, or the one with the text, with the keyboard,
// as a user does (the offscreen platform lets no click through to an open
// combo list): the first entry, then down to it.
void choose(QComboBox* combo, int row);
void choose(QComboBox* combo, const QString& text);

// The readable name of a C++ type, for failure messages.
std::string typeName(const std::type_info& type);

class ModalDialogs {
public:
    explicit ModalDialogs(std::chrono::milliseconds bound = std::chrono::seconds(5));
    ~ModalDialogs();
    ModalDialogs(const ModalDialogs&) = delete;
    ModalDialogs& operator=(const ModalDialogs&) = delete;

    // Queues the answer for the next modal dialog to open, which must be a `Dialog`.
    template <typename Dialog>
    void answer(std::function<void(Dialog&)> answer)
    {
        expect(typeName(typeid(Dialog)),
               [](const QWidget& shown) { return dynamic_cast<const Dialog*>(&shown) != nullptr; },
               [answer = std::move(answer)](QWidget& shown) { answer(dynamic_cast<Dialog&>(shown)); });
    }

private:
    void expect(std::string dialogName, std::function<bool(const QWidget&)> matches,
                std::function<void(QWidget&)> answer);

    class Guard;
    std::unique_ptr<Guard> m_guard;
};

}  // namespace platform::testing
