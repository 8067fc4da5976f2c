#pragma once
// Test help: drivers in the registry, a controller made as the server makes
// it, its events as (DISPID, arguments) pairs, and the controller window's
// messages delivered on the test's thread.

#include "CSonvaleController.h"
#include "DriverRegistration.h"
#include "testing/DriverRegistry.h"
#include "platform/com/ClassFactory.h"
#include "platform/com/DispatchSink.h"
#include "platform/registry/Key.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace pelmsonvale::testing {

using platform::com::ComPtr;
using platform::runtime::Variant;

inline std::uint32_t publishedWindow()
{
    platform::registry::Key key;
    std::uint32_t window = 0xFFFFFFFF;
    openKey(platform::registry::Root::LocalMachine, kSonvaleKey, platform::registry::Access::Read, key);
    key.getDword("ActiveWindowHandle", window);
    return window;
}

inline ComPtr<ISonvaleController> makeController()
{
    ComPtr<ISonvaleController> controller;
    EXPECT_EQ(platform::com::createObject<CSonvaleController>(ISonvaleController::iid, controller.putVoid()),
              platform::com::S_OK);
    return controller;
}

// Delivers what is queued for this thread's windows now.
inline void deliverMessages()
{
    while (platform::system::waitForMessage(std::chrono::milliseconds(0)))
        platform::system::pumpMessages();
}

// Records the events of a controller, and the threads they came on; a test
// may also act on each event as it comes.
class EventLog {
public:
    explicit EventLog(ISonvaleController* controller)
    {
        m_sink = platform::com::make<platform::com::DispatchSink>(
            kSonvaleControllerEventsIid, [this](platform::com::DISPID event, std::span<Variant> arguments) {
                events.emplace_back(event, std::vector<Variant>(arguments.begin(), arguments.end()));
                threads.push_back(std::this_thread::get_id());
                if (onEvent)
                    onEvent(event);
                return platform::com::S_OK;
            });
        EXPECT_EQ(platform::com::advise(controller, kSonvaleControllerEventsIid, m_sink.get(), &m_cookie),
                  platform::com::S_OK);
    }

    std::vector<std::pair<platform::com::DISPID, std::vector<Variant>>> events;
    std::vector<std::thread::id> threads;
    std::function<void(platform::com::DISPID)> onEvent;

private:
    ComPtr<platform::com::DispatchSink> m_sink;
    std::uint32_t m_cookie = 0;
};

}  // namespace pelmsonvale::testing
