#pragma once
// The host library as an in-process server: the classes that modules and
// installers create by class id.

#include "platform/com/HResult.h"

namespace host {

// Registers the host's classes under this machine's HKEY_CLASSES_ROOT, with
// this library as their server, so that creation by class id finds them.
platform::com::HRESULT registerHostServer();

}  // namespace host
