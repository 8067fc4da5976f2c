#include "SignalThread.h"

#include "LinkMessages.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

using namespace pelmsonvale;
using namespace platform::system;

TEST(SignalThread, EachTriggerPostsOneReportToTheWindow)
{
    std::vector<Message> received;
    const WindowHandle window = createMessageWindow([&](Message& message) {
        received.push_back({message.window, message.id, message.wParam, message.lParam, nullptr});
        return 0;
    });
    SignalThread thread;
    EXPECT_FALSE(thread.trigger()) << "a thread that does not run takes no trigger";
    ASSERT_TRUE(thread.start(window));
    EXPECT_FALSE(thread.start(window));
    ASSERT_TRUE(thread.trigger());
    ASSERT_TRUE(thread.trigger());
    while (received.size() < 2 && waitForMessage(std::chrono::seconds(10)))
        pumpMessages();
    thread.stop();
    pumpMessages();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1].id, WM_LINK_MEASUREMENTCOMPLETE);
    EXPECT_EQ(received[1].lParam, 0);
    EXPECT_FALSE(thread.trigger()) << "a stopped thread takes no trigger";
    destroyMessageWindow(window);
}

}  // namespace
