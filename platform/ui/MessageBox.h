#pragma once
// Message boxes with the platform's style numbers and answer codes.
//
// While a test responder is installed (TestResponder.h) every box is answered
// by it and never shown. Without one, a box on Qt's offscreen platform (where
// nobody could answer it) ends the process at once with a message naming the
// box, so that a test fails instead of hanging.

#include <cstdint>
#include <string>

class QWidget;

namespace platform::ui {

enum MessageBoxStyle : std::uint32_t {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10,  // stop / critical
    MB_ICONSTOP = MB_ICONHAND,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONASTERISK = 0x40,  // information
    MB_ICONINFORMATION = MB_ICONASTERISK,
    MB_ICONMASK = 0xF0,
    MB_DEFBUTTON1 = 0x000,
    MB_DEFBUTTON2 = 0x100,
    MB_DEFBUTTON3 = 0x200,
    MB_DEFBUTTON4 = 0x300,
    MB_DEFMASK = 0xF00,
    MB_APPLMODAL = 0x0000,
    MB_SYSTEMMODAL = 0x1000,  // shown on top of every window
    MB_TASKMODAL = 0x2000,
    MB_HELP = 0x4000,         // adds a Help button that opens the help, not an answer
    MB_SETFOREGROUND = 0x10000,
};

enum MessageBoxAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

// The help a box's Help button opens (MB_HELP): a help folder and a context id.
struct MessageBoxHelp {
    std::string helpPath;
    int contextId = 0;
};

// The title shown when a box is given an empty one; initially "Brisance".
void setDefaultTitle(const std::string& title);
const std::string& defaultTitle();

// Shows a modal box with the text, the title and the buttons, icon and default
// button of the style, and returns the answer code of the pressed button.
// Closing the box counts as Cancel when it has one, else as its only or
// default button (OK for MB_OK). owner may be null (no owner).
int messageBox(QWidget* owner, const std::string& text, const std::string& title, std::uint32_t style,
               const MessageBoxHelp& help = {});

}  // namespace platform::ui
