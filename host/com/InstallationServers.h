#pragma once
// The installation servers: they store what an installer registers in the
// host database of this machine.

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

namespace host::objects {

platform::com::HRESULT createActionConverterInstallationServer(const platform::com::IID& iid, void** object);
platform::com::HRESULT createModuleInstallationServer(const platform::com::IID& iid, void** object);

}  // namespace host::objects
