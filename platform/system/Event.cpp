#include "platform/system/Event.h"

#include <condition_variable>
#include <map>
#include <mutex>

namespace platform::system {

namespace {

// One lock and one wake-up for all events: a thread waiting for several
// events at once needs to hear about any of them, and events are few and
// rarely set, so sharing costs nothing worth a finer scheme.
struct Signals {
    std::mutex mutex;
    std::condition_variable changed;
};

Signals& eventSignals()
{
    static auto* const instance = new Signals;  // outlives threads still waiting at exit
    return *instance;
}

struct Names {
    std::mutex mutex;
    std::map<std::string, std::weak_ptr<Event>> events;
};

Names& names()
{
    static auto* const instance = new Names;
    return *instance;
}

}  // namespace

Event::Event(EventReset reset, bool initiallySet) : m_reset(reset), m_set(initiallySet) {}

void Event::set()
{
    std::lock_guard lock(eventSignals().mutex);
    m_set = true;
    eventSignals().changed.notify_all();
}

void Event::reset()
{
    std::lock_guard lock(eventSignals().mutex);
    m_set = false;
}

bool Event::take()
{
    if (!m_set)
        return false;
    if (m_reset == EventReset::Automatic)
        m_set = false;
    return true;
}

bool Event::wait(std::chrono::milliseconds timeout)
{
    return waitAny({this}, timeout).has_value();
}

std::optional<std::size_t> Event::waitAny(const std::vector<Event*>& events, std::chrono::milliseconds timeout)
{
    if (events.empty())
        return std::nullopt;
    std::optional<std::size_t> taken;
    const auto takeFirstSet = [&] {
        for (std::size_t at = 0; at < events.size(); ++at) {
            if (events[at]->take()) {
                taken = at;
                return true;
            }
        }
        return false;
    };
    std::unique_lock lock(eventSignals().mutex);
    waitWithTimeout(eventSignals().changed, lock, timeout, takeFirstSet);
    return taken;
}

std::shared_ptr<Event> openNamedEvent(const std::string& name, EventReset reset, bool initiallySet)
{
    std::lock_guard lock(names().mutex);
    std::weak_ptr<Event>& slot = names().events[name];
    if (std::shared_ptr<Event> existing = slot.lock())
        return existing;
    auto created = std::make_shared<Event>(reset, initiallySet);
    slot = created;
    return created;
}

}  // namespace platform::system

