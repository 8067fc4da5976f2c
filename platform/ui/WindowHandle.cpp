#include "platform/ui/WindowHandle.h"

#include <QWidget>

namespace platform::ui {

WindowHandle windowHandle(QWidget* widget)
{
    return widget ? static_cast<WindowHandle>(widget->winId()) : 0;
}

QWidget* widgetOf(WindowHandle handle)
{
    return handle != 0 ? QWidget::find(static_cast<WId>(handle)) : nullptr;
}

}  // namespace platform::ui
