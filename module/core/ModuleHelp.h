#pragma once
// The module's help: the help folder that the document chose with its
// language, and the help a dialog opens on F1 at its own context id.

#include <string>

class QWidget;

namespace brisance {

// The help folder of the chosen language; "" until the document sets it.
const std::string& HelpPath();
void SetHelpPath(std::string path);

// Opens the help at the page of the context id, owned by the dialog.
void ShowContextHelp(QWidget* dialog, int contextId);

}  // namespace brisance
