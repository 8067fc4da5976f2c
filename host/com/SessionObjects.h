#pragma once
// The component objects of a client's sessions: Sessions, Session and a
// session's Actions.

#include "host/Actions.h"
#include "host/HostInterfaces.h"
#include "host/Sessions.h"

#include "platform/com/ComPtr.h"

namespace host::objects {

platform::com::ComPtr<IActions> actionsObject(const Actions& actions);
platform::com::ComPtr<ISession> sessionObject(const Session& session);
platform::com::ComPtr<ISessions> sessionsObject(const Sessions& sessions);

}  // namespace host::objects
