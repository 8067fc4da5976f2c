#pragma once
// Window handles: the integers by which windows are passed across library
// boundaries (a driver's parent window, a control's container). A widget's
// handle is its native window id; 0 is no window.

#include <cstdint>

class QWidget;

namespace platform::ui {

using WindowHandle = std::intptr_t;

// The widget's handle; it gets a native window for that. 0 for null.
WindowHandle windowHandle(QWidget* widget);
// The widget with this handle, or null for 0 or a handle of no live widget.
QWidget* widgetOf(WindowHandle handle);

}  // namespace platform::ui
