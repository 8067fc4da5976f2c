#pragma once
// A raised error that reaches a handler of something the user did (a choice
// in a list, an edit in a field), where no caller is left to pass it to: it is
// shown to the user in a stop box, and the user goes on.

#include "platform/runtime/RuntimeError.h"

class QWidget;

namespace brisance {

// "An error has occurred: " + the description + " " + the number, with the
// stop icon and the default title, owned by owner (may be null).
void ShowRaisedError(QWidget* owner, const platform::runtime::RuntimeError& error);

}  // namespace brisance
