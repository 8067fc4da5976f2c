#pragma once
// Events that threads of this process wait for and set.
//
// An auto-reset event releases one waiter and resets itself; a manual-reset
// event stays set, releasing every waiter, until reset(). Events with a name
// are shared by name within this process only: two processes that use the
// same name never see each other's events.

#include "platform/system/Timeout.h"

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::system {

enum class EventReset { Automatic, Manual };

class Event {
public:
    explicit Event(EventReset reset, bool initiallySet = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void set();
    void reset();

    // True when the event was set within the time-out (an auto-reset event is
    // then reset again); false on time-out.
    bool wait(std::chrono::milliseconds timeout = kWaitForever);

    // Waits until any of the events is set and gives its position in the list
    // (the first set one when several are; only that one is reset when it is
    // auto-reset); nullopt on time-out or for an empty list.
    static std::optional<std::size_t> waitAny(const std::vector<Event*>& events,
                                              std::chrono::milliseconds timeout = kWaitForever);

private:
    // True when set; consumes the signal of an auto-reset event. Called with
    // the events' lock held.
    bool take();

    const EventReset m_reset;
    bool m_set;
};

// The event of this name in this process, created with the given reset kind
// and state when no one holds it yet; the existing one otherwise (its reset
// kind and state stay). The name lives while any holder keeps the event.
std::shared_ptr<Event> openNamedEvent(const std::string& name, EventReset reset, bool initiallySet = false);

}  // namespace platform::system
