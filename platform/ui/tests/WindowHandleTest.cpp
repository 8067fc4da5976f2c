#include "platform/ui/WindowHandle.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace platform::ui {
namespace {

TEST(WindowHandle, FindsTheWidgetOfAHandleWhileItLives)
{
    auto window = std::make_unique<QWidget>();
    auto* child = new QWidget(window.get());
    const WindowHandle handle = windowHandle(window.get());
    const WindowHandle childHandle = windowHandle(child);
    ASSERT_NE(handle, 0);
    EXPECT_NE(childHandle, handle);
    EXPECT_EQ(widgetOf(handle), window.get());
    EXPECT_EQ(widgetOf(childHandle), child);

    EXPECT_EQ(windowHandle(nullptr), 0);
    EXPECT_EQ(widgetOf(0), nullptr);
    window.reset();
    EXPECT_EQ(widgetOf(handle), nullptr) << "a destroyed window's handle finds nothing";
}

}  // namespace
}  // namespace platform::ui
