#pragma once
// The help viewer. A help "file" is a folder of HTML pages: "index.html" is the
// default topic and "<context id>.html" the page of a context id. A help path
// that names a file ("Help/Brisance.chm") stands for the folder of the same
// name without the extension ("Help/Brisance") when no such file exists.
// Pages are shown in one shared, non-modal viewer window.

#include <string>

class QWidget;

namespace platform::ui {

enum HelpCommand : int { HH_DISPLAY_TOPIC = 0, HH_HELP_CONTEXT = 15 };

// Opens the help at its default topic (HH_DISPLAY_TOPIC) or at the page of the
// context id (HH_HELP_CONTEXT). False, showing nothing, when the page does not
// exist or the command is unknown. With a test responder installed the request
// is recorded and nothing is shown.
bool htmlHelp(QWidget* owner, const std::string& helpPath, int command, int contextId = 0);

}  // namespace platform::ui
