#include "platform/system/Event.h"
#include "platform/system/Thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using namespace platform::system;
using namespace std::chrono_literals;

TEST(Event, AutoResetReleasesOneWaitManualResetStaysSet)
{
    Event automatic(EventReset::Automatic, true);
    EXPECT_TRUE(automatic.wait(0ms));
    EXPECT_FALSE(automatic.wait(0ms));

    Event manual(EventReset::Manual);
    EXPECT_FALSE(manual.wait(10ms));
    manual.set();
    EXPECT_TRUE(manual.wait(0ms));
    EXPECT_TRUE(manual.wait(0ms));
    manual.reset();
    EXPECT_FALSE(manual.wait(0ms));
}

TEST(Event, WaitAnyGivesTheIndexOfTheEventSetByAnotherThread)
{
    Event startSync(EventReset::Automatic);
    Event doConnect(EventReset::Automatic);
    Thread worker;
    ASSERT_TRUE(worker.start([&] {
        std::this_thread::sleep_for(20ms);
        doConnect.set();
        return 0;
    }));
    EXPECT_EQ(Event::waitAny({&startSync, &doConnect}), 1u);
    EXPECT_FALSE(doConnect.wait(0ms));
    worker.join();
}

TEST(Event, WaitAnyTakesOnlyTheFirstSetEventOrTimesOut)
{
    Event first(EventReset::Automatic);
    Event second(EventReset::Automatic);
    EXPECT_EQ(Event::waitAny({&first, &second}, 20ms), std::nullopt);
    EXPECT_EQ(Event::waitAny({}, 0ms), std::nullopt);

    first.set();
    second.set();
    EXPECT_EQ(Event::waitAny({&first, &second}, 0ms), 0u);
    EXPECT_EQ(Event::waitAny({&first, &second}, 0ms), 1u);
    EXPECT_EQ(Event::waitAny({&first, &second}, 0ms), std::nullopt);
}

TEST(Event, NamedEventsAreSharedWithinTheProcessWhileHeld)
{
    auto opened = openNamedEvent("AudiCondone", EventReset::Automatic);
    auto again = openNamedEvent("AudiCondone", EventReset::Manual, true);
    EXPECT_EQ(opened, again);
    EXPECT_FALSE(again->wait(0ms)) << "opening an existing event must not change its state";
    EXPECT_NE(openNamedEvent("Do ReqAudiCon", EventReset::Automatic), opened);

    opened->set();
    opened.reset();
    again.reset();
    EXPECT_FALSE(openNamedEvent("AudiCondone", EventReset::Automatic)->wait(0ms))
        << "an event no one holds any more is created afresh";
}

}  // namespace
