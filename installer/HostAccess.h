#pragma once
// What the installation needs from around it: the component layer of this
// thread and creation of the host's objects by class id. The program uses the
// real ones; tests hand in a double that fails where they choose.

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

#include <functional>

namespace installer {

struct HostAccess {
    std::function<platform::com::HRESULT()> initialise;
    std::function<void()> uninitialise;
    std::function<platform::com::HRESULT(const platform::com::CLSID&, const platform::com::IID&, void**)> create;
};

// The component layer and creation by class id of this machine.
HostAccess realHost();

}  // namespace installer
