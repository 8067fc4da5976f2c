#pragma once
// Turning a failed component call into a raised error, for code whose failures
// are raised errors (the host and data objects, the module's procedures):
//
//     raiseOnFailure(chart->put_XMin(0), "Chart");

#include "platform/com/HResult.h"

#include <string>

namespace platform::com {

// Raises runtime::RuntimeError when hr is a failure: its number is hr and its
// description the code's text (describe). Successes return.
void raiseOnFailure(HRESULT hr, std::string source = {});

}  // namespace platform::com
