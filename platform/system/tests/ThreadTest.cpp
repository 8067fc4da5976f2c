#include "platform/system/Thread.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace platform::system;

int niceOfCurrentThread()
{
    return ::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()));
}

TEST(Thread, RunsTheBodyAndGivesItsExitCode)
{
    Thread thread;
    EXPECT_EQ(thread.join(), std::nullopt);
    ASSERT_TRUE(thread.start([] { return 7; }));
    EXPECT_FALSE(thread.start([] { return 8; }));
    EXPECT_EQ(thread.join(), 7);
    EXPECT_FALSE(thread.isRunning());
}

TEST(Thread, BelowNormalRunsAtALowerPriorityThanItsStarter)
{
    const int starter = niceOfCurrentThread();
    Thread thread;
    ASSERT_TRUE(thread.start(niceOfCurrentThread, ThreadPriority::BelowNormal));
    const std::optional<int> worker = thread.join();
    ASSERT_TRUE(worker.has_value());
    EXPECT_GT(*worker, starter);
}

TEST(Thread, AnExceptionFromTheBodyReachesJoin)
{
    Thread thread;
    ASSERT_TRUE(thread.start([]() -> int { throw std::runtime_error("driver failed"); }));
    EXPECT_THROW(thread.join(), std::runtime_error);
}

}  // namespace
