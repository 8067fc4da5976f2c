#pragma once
// The demo client and its three visits, made as a clinician would make them:
// for each visit the host window starts the installed module on the client,
// the visit's results go into a new audiogram of the document, and the
// document's File > Save stores them in the host's session of that day.

#include "host/Records.h"

#include <optional>
#include <string>
#include <vector>

namespace host {
class HostDatabase;
class HostWindow;
}  // namespace host

namespace demo {

inline constexpr const char* kDemoClientNo = "1001";

// Adds the demo client unless a client has its number; its id, or nothing
// when it was there already.
std::optional<host::RowId> addDemoClient(host::HostDatabase& database);

// Records the demo client's visits in the window, which must list the client
// and be the only one driving the host; at the first visit the user's speech
// view becomes the table, so that the printed report holds the averages,
// tympanometry and reflex tables. Gives the texts of the message boxes that
// the module showed. Throws std::runtime_error when the module cannot be
// started or a visit cannot be saved, and passes on the host's raised errors.
std::vector<std::string> recordDemoVisits(host::HostWindow& window, host::RowId client);

}  // namespace demo
