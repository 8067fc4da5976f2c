#pragma once
// The component objects a module reaches first: ModuleServer, and the
// current Client and User it gives.

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

namespace host::objects {

// The creation function of ModuleServer. Fails with the host's error number
// when the host database cannot be opened.
platform::com::HRESULT createModuleServer(const platform::com::IID& iid, void** object);

}  // namespace host::objects
