#include "platform/system/MessageWindow.h"

#include "platform/system/ThreadMessageQueue.h"

#include <mutex>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform::system {

namespace {

struct Window {
    std::thread::id owner;
    std::shared_ptr<ThreadMessageQueue> queue;
    // Shared so that a handler that destroys its own window runs to its end.
    std::shared_ptr<WindowProcedure> procedure;
};

// Every window of the process. Lock order: this table, then a queue.
struct WindowTable {
    std::mutex mutex;
    std::unordered_map<WindowHandle, Window> windows;
    WindowHandle lastHandle = 0;

    WindowHandle nextHandle()
    {
        do
            ++lastHandle;
        while (lastHandle == 0 || windows.count(lastHandle));
        return lastHandle;
    }
};

WindowTable& table()
{
    static auto* const instance = new WindowTable;  // outlives the threads that end after main
    return *instance;
}

std::shared_ptr<WindowProcedure> procedureOf(WindowHandle window)
{
    std::lock_guard lock(table().mutex);
    const auto found = table().windows.find(window);
    return found == table().windows.end() ? nullptr : found->second.procedure;
}

// Runs the window's handler for a message taken from a queue and answers a
// waiting sender; a window destroyed meanwhile answers it with nothing.
void dispatch(QueuedMessage& queued)
{
    const std::shared_ptr<WindowProcedure> procedure = procedureOf(queued.message.window);
    if (!procedure) {
        queued.answer(std::nullopt);
        return;
    }
    // A handler that throws leaves its sender without an answer, not waiting.
    struct AnswerOnExit {
        QueuedMessage& queued;
        std::optional<std::intptr_t> result;
        ~AnswerOnExit() { queued.answer(result); }
    } answer{queued, std::nullopt};
    answer.result = (*procedure)(queued.message);
}

// Destroys every window that this thread owns when it ends, with what is
// queued for them.
struct ThreadWindows {
    std::shared_ptr<ThreadMessageQueue> queue = std::make_shared<ThreadMessageQueue>(&dispatch);

    ~ThreadWindows()
    {
        // Handlers (and what they hold) go after the table's lock is released.
        std::vector<std::shared_ptr<WindowProcedure>> procedures;
        {
            std::lock_guard lock(table().mutex);
            for (auto at = table().windows.begin(); at != table().windows.end();) {
                if (at->second.queue == queue) {
                    procedures.push_back(std::move(at->second.procedure));
                    at = table().windows.erase(at);
                } else {
                    ++at;
                }
            }
        }
        queue->discardAll();
    }
};

const std::shared_ptr<ThreadMessageQueue>& currentQueue()
{
    thread_local ThreadWindows windows;
    return windows.queue;
}

}  // namespace

WindowHandle createMessageWindow(WindowProcedure procedure)
{
    const std::shared_ptr<ThreadMessageQueue>& queue = currentQueue();
    queue->attachToUserInterfaceLoop();
    std::lock_guard lock(table().mutex);
    const WindowHandle handle = table().nextHandle();
    table().windows.emplace(
        handle, Window{std::this_thread::get_id(), queue, std::make_shared<WindowProcedure>(std::move(procedure))});
    return handle;
}

bool destroyMessageWindow(WindowHandle window)
{
    std::shared_ptr<WindowProcedure> procedure;  // goes after the table's lock is released
    std::shared_ptr<ThreadMessageQueue> queue;
    {
        std::lock_guard lock(table().mutex);
        const auto found = table().windows.find(window);
        if (found == table().windows.end() || found->second.owner != std::this_thread::get_id())
            return false;
        procedure = std::move(found->second.procedure);
        queue = std::move(found->second.queue);
        table().windows.erase(found);
    }
    queue->discardFor(window);
    return true;
}

bool isMessageWindow(WindowHandle window)
{
    std::lock_guard lock(table().mutex);
    return table().windows.count(window) != 0;
}

bool postMessage(WindowHandle window, MessageId id, std::uintptr_t wParam, std::intptr_t lParam,
                 std::unique_ptr<Payload> payload)
{
    std::lock_guard lock(table().mutex);
    const auto found = table().windows.find(window);
    if (found == table().windows.end())
        return false;
    found->second.queue->post(QueuedMessage{Message{window, id, wParam, lParam, std::move(payload)}, nullptr});
    return true;
}

std::optional<std::intptr_t> sendMessage(WindowHandle window, MessageId id, std::uintptr_t wParam,
                                         std::intptr_t lParam, std::unique_ptr<Payload> payload)
{
    Message message{window, id, wParam, lParam, std::move(payload)};
    std::future<std::optional<std::intptr_t>> answer;
    std::shared_ptr<WindowProcedure> procedure;
    {
        std::lock_guard lock(table().mutex);
        const auto found = table().windows.find(window);
        if (found == table().windows.end())
            return std::nullopt;
        if (found->second.owner == std::this_thread::get_id()) {
            procedure = found->second.procedure;
        } else {
            auto reply = std::make_shared<std::promise<std::optional<std::intptr_t>>>();
            answer = reply->get_future();
            found->second.queue->send(QueuedMessage{std::move(message), std::move(reply)});
        }
    }
    if (procedure)
        return (*procedure)(message);
    return answer.get();
}

void postQuitMessage()
{
    currentQueue()->requestQuit();
}

bool pumpMessages()
{
    return currentQueue()->deliverQueued();
}

void pumpMessagesFor(WindowHandle window)
{
    std::shared_ptr<ThreadMessageQueue> queue;
    {
        std::lock_guard lock(table().mutex);
        const auto found = table().windows.find(window);
        if (found == table().windows.end() || found->second.owner != std::this_thread::get_id())
            return;
        queue = found->second.queue;
    }
    queue->deliverQueuedFor(window);
}

bool waitForMessage(std::chrono::milliseconds timeout)
{
    return currentQueue()->waitForMessage(timeout);
}

}  // namespace platform::system
