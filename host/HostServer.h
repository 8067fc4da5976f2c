#pragma once
// The host library as an in-process server: the classes that modules and
// installers create by class id.

#include "platform/com/HResult.h"

#include <string>

namespace host {

// Registers the host's classes under this machine's HKEY_CLASSES_ROOT, with
// this library as their server, so that creation by class id finds them.
// Writes nothing where they are registered already. On a failure `failure`,
// when given, says why, naming the registry file and the cause.
platform::com::HRESULT registerHostServer(std::string* failure = nullptr);

}  // namespace host
