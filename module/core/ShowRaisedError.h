#pragma once
// A raised error that reaches a handler of something the user did (a choice
// in a list, an edit in a field), where no caller is left to pass it to: it is
// shown to the user in a stop box, and the user goes on.

#include "platform/runtime/RuntimeError.h"

#include <functional>

class QWidget;

namespace brisance {

// "An error has occurred: " + the description + " " + the number, with the
// stop icon and the default title, owned by owner (may be null).
void ShowRaisedError(QWidget* owner, const platform::runtime::RuntimeError& error);

// Runs a handler of something the user did; an error it raises is shown as
// above.
void RunShowingRaisedError(QWidget* owner, const std::function<void()>& handler);

}  // namespace brisance
