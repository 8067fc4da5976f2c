#pragma once
// A run that Stop could not wait for. A driver's read may block for minutes
// on a line that falls silent or trickles inside a record, and the client's
// thread must not freeze meanwhile; so Stop waits a short while and then
// leaves the run here, where it ends on its own:
// - what its worker still posts goes nowhere (the thread window has gone);
// - its request to release the driver is answered on the client's thread,
//   where the driver expects that call, when the client's loop next runs;
// - its worker then frees the driver library, after the release, as at
//   every end of a run, and is joined.
// While a run is kept, this library stays loaded.

#include "LinkEvents.h"
#include "platform/system/MessageWindow.h"
#include "platform/system/Thread.h"

#include <memory>

namespace pelmsonvale {

class CThreadStartupInformation;

class AbandonedRun {
public:
    // On the client's thread: takes over the worker, the record it shares and
    // the events of its handshakes.
    AbandonedRun(std::unique_ptr<platform::system::Thread> worker, std::unique_ptr<CThreadStartupInformation> record,
                 LinkEvents events);
    // On the client's thread, once the run has ended.
    ~AbandonedRun();
    AbandonedRun(const AbandonedRun&) = delete;
    AbandonedRun& operator=(const AbandonedRun&) = delete;

    bool HasEnded() const { return m_ended; }

private:
    // The watcher's thread: relays the worker's requests to the client's thread.
    int watch();
    std::intptr_t handleMessage(platform::system::Message& message);

    std::unique_ptr<platform::system::Thread> m_worker;
    std::unique_ptr<CThreadStartupInformation> m_record;
    const LinkEvents m_events;
    platform::system::WindowHandle m_window = 0;
    platform::system::Thread m_watcher;
    bool m_ended = false;
};

}  // namespace pelmsonvale
