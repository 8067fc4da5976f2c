#pragma once
// The queue of one thread's message windows (used by MessageWindow.cpp only).
//
// Messages sent from other threads come before posted ones. On the thread of
// the QCoreApplication each queued message also posts a Qt event, so that
// whichever Qt event loop runs there (nested ones too) delivers it.

#include "platform/system/MessageWindow.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QObject;

namespace platform::system {

struct QueuedMessage {
    Message message;
    // The sender waiting for the answer; null for a posted message.
    std::shared_ptr<std::promise<std::optional<std::intptr_t>>> reply;

    // Gives a waiting sender its answer (once).
    void answer(std::optional<std::intptr_t> result);
};

class ThreadMessageQueue : public std::enable_shared_from_this<ThreadMessageQueue> {
public:
    // Hands a message to its window's handler.
    using Dispatcher = void (*)(QueuedMessage& queued);

    explicit ThreadMessageQueue(Dispatcher dispatcher) : m_dispatch(dispatcher) {}
    ThreadMessageQueue(const ThreadMessageQueue&) = delete;
    ThreadMessageQueue& operator=(const ThreadMessageQueue&) = delete;

    // Called on the owning thread: when it is the thread of the
    // QCoreApplication, from now on Qt's event loop delivers.
    void attachToUserInterfaceLoop();
    void detachFromUserInterfaceLoop();

    void post(QueuedMessage queued);
    void send(QueuedMessage queued);
    void requestQuit();

    // Delivers the oldest message; false when there was none.
    bool deliverOne();
    // Delivers what is queued now; false when a quit was requested.
    bool deliverQueued();
    bool waitForMessage(std::chrono::milliseconds timeout);

    // Delivers what is queued now for one window, in order; the rest stays.
    void deliverQueuedFor(WindowHandle window);

    // Drops what is queued for one window, or for all; waiting senders get no
    // answer and payloads are freed.
    void discardFor(WindowHandle window);
    void discardAll();

private:
    void enqueue(std::deque<QueuedMessage>& queue, QueuedMessage queued);
    // Takes the matching messages out of the queue, in delivery order.
    template <typename Predicate>
    std::vector<QueuedMessage> takeIf(Predicate matches);
    template <typename Predicate>
    void discardIf(Predicate matches);

    const Dispatcher m_dispatch;
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<QueuedMessage> m_sent;
    std::deque<QueuedMessage> m_posted;
    bool m_quit = false;
    QObject* m_loopAgent = nullptr;  // owned by the QCoreApplication
};

}  // namespace platform::system
