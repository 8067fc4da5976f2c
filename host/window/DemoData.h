#pragma once
// A demo client with a few past sessions, for trying the host window out.

#include "host/HostDatabase.h"

namespace host {

inline constexpr const char* kDemoClientNo = "1001";

// Adds the demo client unless a client with its number exists; gives its id.
RowId seedDemoClient(HostDatabase& database);

}  // namespace host
