#pragma once
// Hidden message windows: integer handles with a handler each, to which any
// thread posts or sends messages that the window's own thread delivers.
//
// A window belongs to the thread that creates it, and its handler only ever
// runs there:
// - On the user-interface thread (the thread of the QCoreApplication), messages
//   are delivered by Qt's event loop, so any running loop delivers them,
//   nested ones too (a modal dialog's).
// - Any other thread delivers its windows' messages when it calls
//   pumpMessages(); waitForMessage() lets it sleep until one comes.
// Sent messages are delivered before posted ones; posted messages keep their
// order.
//
// A message may carry a payload, which passes to the receiver: the handler
// may take it from the message; what it leaves there is freed after the
// handler. A post that fails (unknown or destroyed window) frees the payload
// at once; destroying a window frees everything still queued for it, and a
// thread that ends destroys the windows it still owns.
//
// Handles are 32-bit numbers, never 0, and a destroyed window's number is not
// handed out again until the numbers wrap around after 2^32 windows.

#include "platform/system/Timeout.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace platform::system {

using WindowHandle = std::uint32_t;
using MessageId = std::uint32_t;

// The first message id free for a program's own messages.
inline constexpr MessageId kUserMessage = 0x0400;

// Base of anything carried with a message; derive records from it.
class Payload {
public:
    virtual ~Payload() = default;
};

struct Message {
    WindowHandle window = 0;
    MessageId id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::unique_ptr<Payload> payload;
};

// A window's handler; its result answers a sent message (and is dropped for a
// posted one). A handler that has nothing to do with a message returns 0.
using WindowProcedure = std::function<std::intptr_t(Message& message)>;

// Creates a window owned by the calling thread. Never fails.
WindowHandle createMessageWindow(WindowProcedure procedure);

// Destroys the window and frees what is queued for it; a send waiting for it
// fails. Only the owning thread may destroy a window; a handler may destroy
// its own. False for an unknown window or another thread's.
bool destroyMessageWindow(WindowHandle window);

// True while the window exists.
bool isMessageWindow(WindowHandle window);

// Queues a message for the window and returns at once. False when the window
// does not exist; the payload is then freed.
bool postMessage(WindowHandle window, MessageId id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0,
                 std::unique_ptr<Payload> payload = nullptr);

// Delivers a message and gives the handler's answer: directly when the
// window belongs to the calling thread, otherwise through the owner's queue,
// waiting until the owner has handled it. Nullopt when the window does not
// exist or is destroyed before it handled the message. The wait has no
// time-out and the waiting thread delivers nothing meanwhile: two threads
// that send to each other's windows wait for each other for ever, so threads
// that wait for each other hand over by posting.
std::optional<std::intptr_t> sendMessage(WindowHandle window, MessageId id, std::uintptr_t wParam = 0,
                                         std::intptr_t lParam = 0, std::unique_ptr<Payload> payload = nullptr);

// Asks the calling thread to stop pumping: the next pumpMessages() on it
// delivers what is queued and then reports the request.
void postQuitMessage();

// Delivers, on the calling thread, the messages queued for its windows when
// it is called (what handlers post meanwhile waits for the next call) and
// returns without waiting. False when a quit request was among them.
bool pumpMessages();

// Delivers, on the calling thread, the messages queued now for this window
// of its own, in order, and leaves the others queued: a window that is about
// to go hands on what is still waiting for it. Nothing for another thread's
// window.
void pumpMessagesFor(WindowHandle window);

// Waits until a message (or a quit request) is queued for the calling thread,
// at most the time-out (kWaitForever: without limit); true when one is.
bool waitForMessage(std::chrono::milliseconds timeout);

}  // namespace platform::system
