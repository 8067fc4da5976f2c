#pragma once
// The component layer for the installer's thread: brought up before the
// first object is created and taken down after the last one is released.

#include "platform/com/HResult.h"

namespace installer {

// Opens the registry that creation by class id reads, so that a registry that
// cannot be used fails here (E_FAIL) rather than at the first creation.
platform::com::HRESULT initialiseCom();

// Unloads the server libraries whose objects have all gone.
void uninitialiseCom();

}  // namespace installer
