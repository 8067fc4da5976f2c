#pragma once
// The client's fields of a printed report, read from the host.

#include "host/HostInterfaces.h"

namespace brisance {

class CReport;

// The host's current client's name ("Last, First Middle"), number and birth
// date. Without a current client nothing is set; a field that the host
// cannot give (or a number that is no 32-bit number) stays unset, and the
// report prints it empty.
void SetReportClientFields(CReport& report, host::IModuleServer& server);

}  // namespace brisance
