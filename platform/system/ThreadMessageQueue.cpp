#include "platform/system/ThreadMessageQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <utility>
#include <vector>

namespace platform::system {

namespace {

QEvent::Type deliveryEventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// Lives on the user-interface thread; each of its delivery events delivers
// one queued message. A child of the application, so it goes with it.
class LoopAgent : public QObject {
public:
    LoopAgent(std::weak_ptr<ThreadMessageQueue> queue, QObject* application)
        : QObject(application), m_queue(std::move(queue))
    {
    }

    ~LoopAgent() override
    {
        if (const auto queue = m_queue.lock())
            queue->detachFromUserInterfaceLoop();
    }

    bool event(QEvent* event) override
    {
        if (event->type() != deliveryEventType())
            return QObject::event(event);
        if (const auto queue = m_queue.lock())
            queue->deliverOne();
        return true;
    }

private:
    std::weak_ptr<ThreadMessageQueue> m_queue;
};

}  // namespace

void QueuedMessage::answer(std::optional<std::intptr_t> result)
{
    if (reply)
        std::exchange(reply, nullptr)->set_value(result);
}

void ThreadMessageQueue::attachToUserInterfaceLoop()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread())
        return;
    std::lock_guard lock(m_mutex);
    if (!m_loopAgent)
        m_loopAgent = new LoopAgent(weak_from_this(), application);
}

void ThreadMessageQueue::detachFromUserInterfaceLoop()
{
    std::lock_guard lock(m_mutex);
    m_loopAgent = nullptr;
}

void ThreadMessageQueue::enqueue(std::deque<QueuedMessage>& queue, QueuedMessage queued)
{
    std::lock_guard lock(m_mutex);
    queue.push_back(std::move(queued));
    m_arrived.notify_all();
    if (m_loopAgent)
        QCoreApplication::postEvent(m_loopAgent, new QEvent(deliveryEventType()));
}

void ThreadMessageQueue::post(QueuedMessage queued)
{
    enqueue(m_posted, std::move(queued));
}

void ThreadMessageQueue::send(QueuedMessage queued)
{
    enqueue(m_sent, std::move(queued));
}

void ThreadMessageQueue::requestQuit()
{
    std::lock_guard lock(m_mutex);
    m_quit = true;
    m_arrived.notify_all();
}

bool ThreadMessageQueue::deliverOne()
{
    std::optional<QueuedMessage> next;
    {
        std::lock_guard lock(m_mutex);
        std::deque<QueuedMessage>& from = m_sent.empty() ? m_posted : m_sent;
        if (from.empty())
            return false;
        next = std::move(from.front());
        from.pop_front();
    }
    m_dispatch(*next);
    return true;
}

bool ThreadMessageQueue::deliverQueued()
{
    std::size_t waiting = 0;
    {
        std::lock_guard lock(m_mutex);
        waiting = m_sent.size() + m_posted.size();
    }
    while (waiting-- > 0 && deliverOne()) {
    }
    std::lock_guard lock(m_mutex);
    return !std::exchange(m_quit, false);
}

bool ThreadMessageQueue::waitForMessage(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return waitWithTimeout(m_arrived, lock, timeout,
                           [this] { return m_quit || !m_sent.empty() || !m_posted.empty(); });
}

template <typename Predicate>
std::vector<QueuedMessage> ThreadMessageQueue::takeIf(Predicate matches)
{
    std::vector<QueuedMessage> taken;
    std::lock_guard lock(m_mutex);
    for (std::deque<QueuedMessage>* queue : {&m_sent, &m_posted}) {
        for (auto at = queue->begin(); at != queue->end();) {
            if (matches(*at)) {
                taken.push_back(std::move(*at));
                at = queue->erase(at);
            } else {
                ++at;
            }
        }
    }
    return taken;
}

template <typename Predicate>
void ThreadMessageQueue::discardIf(Predicate matches)
{
    for (QueuedMessage& queued : takeIf(matches))
        queued.answer(std::nullopt);
}

void ThreadMessageQueue::deliverQueuedFor(WindowHandle window)
{
    for (QueuedMessage& queued : takeIf([window](const QueuedMessage& q) { return q.message.window == window; }))
        m_dispatch(queued);
}

void ThreadMessageQueue::discardFor(WindowHandle window)
{
    discardIf([window](const QueuedMessage& queued) { return queued.message.window == window; });
}

void ThreadMessageQueue::discardAll()
{
    discardIf([](const QueuedMessage&) { return true; });
}

}  // namespace platform::system
