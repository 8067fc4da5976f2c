#pragma once
// The component objects of actions: Action, its DataType and its
// LinkedActions, over the host's Action.

#include "host/Action.h"
#include "host/HostInterfaces.h"

#include "platform/com/ComPtr.h"

namespace host::objects {

platform::com::ComPtr<IAction> actionObject(const Action& action);
platform::com::ComPtr<IDataType> dataTypeObject(const DataType& dataType);

// The creation functions of the classes a module may create: a new action,
// and a data type of its own (filled by an installer).
platform::com::HRESULT createAction(const platform::com::IID& iid, void** object);
platform::com::HRESULT createDataType(const platform::com::IID& iid, void** object);

// The host action behind an action object of this host; raises E_INVALIDARG
// for any other object.
Action actionBehind(IAction* action);

}  // namespace host::objects
