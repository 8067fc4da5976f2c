#pragma once
// The measuring worker, a thread of its own for one run: it loads the driver
// library, has the client's thread connect it, polls it for results and posts
// them, decoded, to the client's thread window, and at the end has the
// client's thread release it. The handshakes run on the LinkEvents.

namespace pelmsonvale {

class CThreadStartupInformation;

// The thread's body; its exit code is 0. The record lives until the worker
// has reported its end.
int DriverWorkerThread(CThreadStartupInformation& record);

// Answers the worker's release request on the client's thread: the driver's
// ReleaseAudiCon, its result into the record; no call when the worker never
// loaded the library.
void ReleaseDriver(CThreadStartupInformation& record);

}  // namespace pelmsonvale
