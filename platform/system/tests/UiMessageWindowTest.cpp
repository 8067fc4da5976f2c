#include "platform/system/MessageWindow.h"
#include "platform/system/Thread.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <thread>

namespace {

using namespace platform::system;

constexpr MessageId kRecord = kUserMessage + 4;
constexpr int kNoHang = 10000;  // ms; a loop that would hang ends here and the test fails

struct Record : Payload {
    explicit Record(int value) : value(value) {}
    int value;
};

// Runs a Qt event loop until it is quit, or kNoHang passes.
void runLoop(QEventLoop& loop)
{
    QTimer::singleShot(kNoHang, &loop, [&loop] { loop.exit(1); });
    ASSERT_EQ(loop.exec(), 0) << "the loop was not quit in time";
}

TEST(UiMessageWindow, AWorkerHandsARecordToTheUserInterfaceThreadUnderItsEventLoop)
{
    QEventLoop loop;
    std::unique_ptr<Payload> received;
    std::thread::id handledOn;
    const WindowHandle window = createMessageWindow([&](Message& message) -> std::intptr_t {
        received = std::move(message.payload);
        handledOn = std::this_thread::get_id();
        loop.quit();
        return 0;
    });
    Thread worker;
    ASSERT_TRUE(worker.start([window] { return postMessage(window, kRecord, 0, 0, std::make_unique<Record>(7)) ? 0 : 1; },
                             ThreadPriority::BelowNormal));
    runLoop(loop);
    EXPECT_EQ(worker.join(), 0);
    ASSERT_NE(received, nullptr);
    EXPECT_EQ(static_cast<Record&>(*received).value, 7);
    EXPECT_EQ(handledOn, std::this_thread::get_id());
    destroyMessageWindow(window);
}

TEST(UiMessageWindow, ANestedLoopInsideAHandlerStillDelivers)
{
    QEventLoop outer;
    std::vector<int> order;
    const WindowHandle window = createMessageWindow([&](Message& message) -> std::intptr_t {
        order.push_back(static_cast<int>(message.wParam));
        if (message.wParam == 1) {
            // What a modal dialog does: run a loop of its own until answered.
            QEventLoop modal;
            const WindowHandle dialog = createMessageWindow([&](Message&) -> std::intptr_t {
                modal.quit();
                return 0;
            });
            postMessage(dialog, kRecord);
            runLoop(modal);
            destroyMessageWindow(dialog);
            outer.quit();
        }
        return 0;
    });
    Thread worker;
    ASSERT_TRUE(worker.start([window] {
        postMessage(window, kRecord, 1);
        postMessage(window, kRecord, 2);
        return 0;
    }));
    runLoop(outer);
    worker.join();
    QEventLoop rest;
    QTimer::singleShot(0, &rest, &QEventLoop::quit);
    rest.exec();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    destroyMessageWindow(window);
}

TEST(UiMessageWindow, AWorkerCanSendToTheUserInterfaceThreadWhileItsLoopRuns)
{
    QEventLoop loop;
    const WindowHandle window = createMessageWindow([](Message& message) {
        return static_cast<std::intptr_t>(message.wParam + 1);
    });
    std::optional<std::intptr_t> answer;
    Thread worker;
    ASSERT_TRUE(worker.start([&] {
        answer = sendMessage(window, kRecord, 41);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        return 0;
    }));
    runLoop(loop);
    worker.join();
    EXPECT_EQ(answer, 42);
    destroyMessageWindow(window);
}

}  // namespace
