#pragma once
// The component objects an installer fills and hands to the installation
// servers: Module, DataType Collection, ReplaceableModule and the module
// categories.

#include "host/InstallationInterfaces.h"
#include "host/Records.h"

#include "platform/com/ComPtr.h"

#include <vector>

namespace host::objects {

platform::com::HRESULT createModule(const platform::com::IID& iid, void** object);
platform::com::HRESULT createDataTypeCollection(const platform::com::IID& iid, void** object);
platform::com::HRESULT createReplaceableModule(const platform::com::IID& iid, void** object);

platform::com::ComPtr<IModuleCategories> moduleCategoriesObject(const std::vector<CategoryRecord>& categories);

// What a filled Module object describes, read through its interface; the
// class ids are checked and written in their standard form. Raises
// E_INVALIDARG when the class or a print handler given is not a class id.
ModuleRecord moduleRecordOf(IModule* module);

}  // namespace host::objects
