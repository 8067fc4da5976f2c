#pragma once
// The host's objects as the module reaches them, for tests over a
// HostFixture database: the module server created by class id and the
// actions of the current client by their positions.

#include "host/HostInterfaces.h"
#include "host/testing/HostFixture.h"

#include "platform/com/Creation.h"

#include <cstdint>

namespace brisance::testing {

inline host::ComPtr<host::IModuleServer> NewModuleServer()
{
    return platform::com::create<host::IModuleServer>(host::kModuleServerClsid);
}

// Action `action` of session `session` of the current client (both 1-based).
inline host::ComPtr<host::IAction> HostAction(std::int32_t session, std::int32_t action)
{
    return NewModuleServer()->get_CurrentClient()->get_Sessions()->Item(session)->get_Actions()->Item(action);
}

}  // namespace brisance::testing
