#pragma once
// The test responder: while one is installed, every message box, common dialog
// (open, save, colour, print), help request and system sound is recorded and
// answered by it instead of being shown, so that tests never wait for a modal
// window. Replies are queued by the test and taken in order; a dialog finding
// the queue empty takes its default (a box's default button, Cancel for a
// common dialog). A reply that does not fit the dialog (a file name for a
// message box, a button the box does not have) ends the process with a message
// naming both: the test is wrong.
//
// Responders nest: the newest installed one answers; at its end the previous
// one is installed again. Use on the user-interface thread.

#include "platform/gfx/Types.h"

#include <cstdint>
#include <deque>
#include <string>
#include <variant>
#include <vector>

namespace platform::ui {

enum class DialogKind { MessageBox, OpenFile, SaveFile, Colour, Print, Help, Sound };

// What was shown. text: the message, the file filter, the help path or the
// sound alias; title: the box's or dialog's title; style: the message-box
// style, dialog flags or the help context id.
struct ShownDialog {
    DialogKind kind = DialogKind::MessageBox;
    std::string text;
    std::string title;
    std::uint32_t style = 0;
};

namespace reply {
struct Cancel {};
struct Button { int answer; };              // a message box answer code (IDOK ...)
struct File { std::string path; };
struct Colour { gfx::ColorRef value; };
struct Printer { std::string name; };
}  // namespace reply
using Reply = std::variant<reply::Cancel, reply::Button, reply::File, reply::Colour, reply::Printer>;

class TestResponder {
public:
    TestResponder();
    ~TestResponder();
    TestResponder(const TestResponder&) = delete;
    TestResponder& operator=(const TestResponder&) = delete;

    // The installed responder, or null.
    static TestResponder* current();

    void queue(Reply reply);
    const std::vector<ShownDialog>& shown() const { return m_shown; }

    // For the dialogs of this service: records what is shown and takes the
    // next reply, if any.
    std::variant<std::monostate, Reply> respond(const ShownDialog& dialog);
    // Ends the process with a message about a reply that does not fit.
    [[noreturn]] static void misfit(const ShownDialog& dialog, const char* expected);

private:
    TestResponder* m_previous;
    std::deque<Reply> m_replies;
    std::vector<ShownDialog> m_shown;
};

// Ends the process with a clear message when a modal window is about to be
// shown on Qt's offscreen platform; does nothing on a real display.
void refuseOffscreenModal(const ShownDialog& dialog);

}  // namespace platform::ui
