#include "platform/system/MessageWindow.h"
#include "platform/system/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using namespace platform::system;
using namespace std::chrono_literals;

constexpr MessageId kPlotPoint = kUserMessage + 4;

// A record that counts its own frees, so that tests see who freed it.
struct Record : Payload {
    explicit Record(int value, std::atomic<int>* freed = nullptr) : value(value), freed(freed) {}
    ~Record() override
    {
        if (freed)
            ++*freed;
    }
    int value;
    std::atomic<int>* freed;
};

// Collects what a window receives and on which thread.
struct Receiver {
    std::vector<int> values;
    std::vector<std::thread::id> threads;
    std::vector<std::unique_ptr<Payload>> kept;

    WindowProcedure procedure()
    {
        return [this](Message& message) -> std::intptr_t {
            values.push_back(static_cast<int>(message.wParam));
            threads.push_back(std::this_thread::get_id());
            kept.push_back(std::move(message.payload));
            return static_cast<std::intptr_t>(message.wParam) * 10;
        };
    }
};

// Runs the body on its own thread and waits for it.
template <typename Body>
void onAnotherThread(Body body)
{
    Thread thread;
    ASSERT_TRUE(thread.start([&] {
        body();
        return 0;
    }));
    thread.join();
}

TEST(MessageWindow, PostsFromAnotherThreadArriveInOrderOnTheOwningThread)
{
    Receiver receiver;
    const WindowHandle window = createMessageWindow(receiver.procedure());
    ASSERT_NE(window, 0u);
    onAnotherThread([&] {
        for (int value = 1; value <= 3; ++value)
            EXPECT_TRUE(postMessage(window, kPlotPoint, value, 0, std::make_unique<Record>(value)));
    });
    EXPECT_TRUE(receiver.values.empty()) << "nothing is delivered before the owner pumps";
    EXPECT_TRUE(waitForMessage(0ms));
    EXPECT_TRUE(pumpMessages());
    EXPECT_EQ(receiver.values, (std::vector<int>{1, 2, 3}));
    for (std::thread::id thread : receiver.threads)
        EXPECT_EQ(thread, std::this_thread::get_id());
    ASSERT_EQ(receiver.kept.size(), 3u);
    EXPECT_EQ(static_cast<Record&>(*receiver.kept[2]).value, 3);
    EXPECT_FALSE(waitForMessage(10ms));
    EXPECT_TRUE(destroyMessageWindow(window));
}

TEST(MessageWindow, SendWaitsForTheOwnerAndGivesTheAnswer)
{
    Receiver receiver;
    const WindowHandle window = createMessageWindow(receiver.procedure());
    EXPECT_EQ(sendMessage(window, kPlotPoint, 4), 40) << "a send on the owning thread is direct";

    std::atomic<bool> answered = false;
    std::optional<std::intptr_t> answer;
    Thread sender;
    ASSERT_TRUE(sender.start([&] {
        answer = sendMessage(window, kPlotPoint, 5);
        answered = true;
        return 0;
    }));
    while (!answered) {
        waitForMessage(10ms);
        pumpMessages();
    }
    sender.join();
    EXPECT_EQ(answer, 50);
    EXPECT_EQ(receiver.values, (std::vector<int>{4, 5}));
    destroyMessageWindow(window);
}

TEST(MessageWindow, PostingToAnUnknownOrDestroyedWindowFailsAndFreesThePayload)
{
    std::atomic<int> freed = 0;
    const WindowHandle window = createMessageWindow([](Message&) { return std::intptr_t{0}; });
    ASSERT_TRUE(destroyMessageWindow(window));
    EXPECT_FALSE(isMessageWindow(window));
    EXPECT_FALSE(destroyMessageWindow(window));
    EXPECT_FALSE(postMessage(window, kPlotPoint, 0, 0, std::make_unique<Record>(1, &freed)));
    EXPECT_FALSE(postMessage(0, kPlotPoint, 0, 0, std::make_unique<Record>(2, &freed)));
    EXPECT_EQ(sendMessage(window, kPlotPoint, 0, 0, std::make_unique<Record>(3, &freed)), std::nullopt);
    EXPECT_EQ(freed, 3);
}

TEST(MessageWindow, DestroyingAWindowFreesWhatIsQueuedForItAndFailsAWaitingSend)
{
    std::atomic<int> freed = 0;
    Receiver receiver;
    const WindowHandle window = createMessageWindow(receiver.procedure());
    const WindowHandle other = createMessageWindow(receiver.procedure());
    onAnotherThread([&] {
        postMessage(window, kPlotPoint, 1, 0, std::make_unique<Record>(1, &freed));
        postMessage(other, kPlotPoint, 2, 0, std::make_unique<Record>(2, &freed));
        EXPECT_FALSE(destroyMessageWindow(window)) << "only the owner destroys";
    });
    ASSERT_TRUE(destroyMessageWindow(window));
    EXPECT_EQ(freed, 1);
    pumpMessages();
    EXPECT_EQ(receiver.values, std::vector<int>{2});

    std::optional<std::intptr_t> answer = 0;
    Thread sender;
    ASSERT_TRUE(sender.start([&] {
        answer = sendMessage(other, kPlotPoint, 3, 0, std::make_unique<Record>(3, &freed));
        return 0;
    }));
    ASSERT_TRUE(waitForMessage(10s));
    ASSERT_TRUE(destroyMessageWindow(other));
    sender.join();
    EXPECT_EQ(answer, std::nullopt);
    EXPECT_EQ(freed, 2) << "the queued post and the failed send are freed; the receiver keeps its record";
    EXPECT_EQ(receiver.values, std::vector<int>{2});
}

TEST(MessageWindow, AHandlerMayTakeThePayloadOrLeaveItToBeFreed)
{
    std::atomic<int> freed = 0;
    std::unique_ptr<Payload> taken;
    const WindowHandle window = createMessageWindow([&](Message& message) -> std::intptr_t {
        if (message.wParam == 1)
            taken = std::move(message.payload);
        return 0;
    });
    postMessage(window, kPlotPoint, 1, 0, std::make_unique<Record>(1, &freed));
    postMessage(window, kPlotPoint, 2, 0, std::make_unique<Record>(2, &freed));
    pumpMessages();
    EXPECT_EQ(freed, 1);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(static_cast<Record&>(*taken).value, 1);
    destroyMessageWindow(window);
}

TEST(MessageWindow, AHandlerMayDestroyItsOwnWindow)
{
    std::atomic<int> freed = 0;
    WindowHandle window = 0;
    int handled = 0;
    window = createMessageWindow([&](Message&) -> std::intptr_t {
        ++handled;
        EXPECT_TRUE(destroyMessageWindow(window));
        return 0;
    });
    postMessage(window, kPlotPoint, 1, 0, std::make_unique<Record>(1, &freed));
    postMessage(window, kPlotPoint, 2, 0, std::make_unique<Record>(2, &freed));
    pumpMessages();
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(freed, 2);
}

TEST(MessageWindow, AThreadThatEndsTakesItsWindowsAndTheirQueuesWithIt)
{
    std::atomic<int> freed = 0;
    WindowHandle window = 0;
    onAnotherThread([&] {
        window = createMessageWindow([](Message&) { return std::intptr_t{0}; });
        postMessage(window, kPlotPoint, 1, 0, std::make_unique<Record>(1, &freed));
    });
    EXPECT_FALSE(isMessageWindow(window));
    EXPECT_EQ(freed, 1);
    EXPECT_FALSE(postMessage(window, kPlotPoint, 2, 0, std::make_unique<Record>(2, &freed)));
    EXPECT_EQ(freed, 2);
}

TEST(MessageWindow, AQuitRequestEndsPumpingOnceDeliveredWhatCameBefore)
{
    Receiver receiver;
    const WindowHandle window = createMessageWindow(receiver.procedure());
    postMessage(window, kPlotPoint, 1);
    postQuitMessage();
    EXPECT_TRUE(waitForMessage(0ms));
    EXPECT_FALSE(pumpMessages());
    EXPECT_EQ(receiver.values, std::vector<int>{1});
    EXPECT_TRUE(pumpMessages()) << "the request is reported once";
    destroyMessageWindow(window);
}

TEST(MessageWindow, PumpingDeliversOnlyWhatWasQueuedBefore)
{
    int handled = 0;
    WindowHandle window = 0;
    window = createMessageWindow([&](Message&) -> std::intptr_t {
        ++handled;
        postMessage(window, kPlotPoint);  // a handler that always posts again must not trap the pump
        return 0;
    });
    postMessage(window, kPlotPoint);
    EXPECT_TRUE(pumpMessages());
    EXPECT_EQ(handled, 1);
    EXPECT_TRUE(pumpMessages());
    EXPECT_EQ(handled, 2);
    destroyMessageWindow(window);
}

TEST(MessageWindow, PumpingForOneWindowDeliversItsMessagesInOrderAndLeavesTheRest)
{
    Receiver closing;
    Receiver other;
    const WindowHandle window = createMessageWindow(closing.procedure());
    const WindowHandle otherWindow = createMessageWindow(other.procedure());
    onAnotherThread([&] {
        postMessage(window, kPlotPoint, 1);
        postMessage(otherWindow, kPlotPoint, 2);
        postMessage(window, kPlotPoint, 3);
        pumpMessagesFor(window);  // not this thread's window: nothing
    });
    pumpMessagesFor(window);
    EXPECT_EQ(closing.values, (std::vector<int>{1, 3}));
    EXPECT_TRUE(other.values.empty());
    EXPECT_TRUE(pumpMessages());
    EXPECT_EQ(other.values, std::vector<int>{2});
    EXPECT_EQ(closing.values.size(), 2u);
    destroyMessageWindow(window);
    destroyMessageWindow(otherWindow);
}

}  // namespace
