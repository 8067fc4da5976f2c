#include "AbandonedRun.h"

#include "CThreadStartupInformation.h"
#include "DriverWorkerThread.h"
#include "LinkMessages.h"
#include "platform/com/Object.h"

namespace pelmsonvale {

AbandonedRun::AbandonedRun(std::unique_ptr<platform::system::Thread> worker,
                           std::unique_ptr<CThreadStartupInformation> record, LinkEvents events)
    : m_worker(std::move(worker)), m_record(std::move(record)), m_events(std::move(events))
{
    platform::com::lockLibrary();
    m_window = platform::system::createMessageWindow(
        [this](platform::system::Message& message) { return handleMessage(message); });
    // Without a watcher the run is never seen to end: the worker waits for
    // its release for good, the library stays loaded and no driver starts
    // again, which is safer than unloading anything under the worker.
    m_watcher.start([this] { return watch(); });
}

AbandonedRun::~AbandonedRun()
{
    platform::system::destroyMessageWindow(m_window);
}

int AbandonedRun::watch()
{
    while (platform::system::Event::waitAny({m_events.stopSync.get(), m_events.doRelease.get()}) == 1u)
        platform::system::postMessage(m_window, WM_LINK_ABANDONED_RELEASE);
    platform::system::postMessage(m_window, WM_LINK_ABANDONED_ENDED);
    return 0;
}

std::intptr_t AbandonedRun::handleMessage(platform::system::Message& message)
{
    if (message.id == WM_LINK_ABANDONED_RELEASE) {
        ReleaseDriver(*m_record);
        m_events.done->set();
    } else if (message.id == WM_LINK_ABANDONED_ENDED && !m_ended) {
        m_watcher.join();
        m_worker->join();
        m_worker.reset();
        m_record.reset();
        m_ended = true;
        platform::com::unlockLibrary();
    }
    return 0;
}

}  // namespace pelmsonvale
