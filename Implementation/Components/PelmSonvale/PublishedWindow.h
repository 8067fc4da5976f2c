#pragma once
// The controller window handle published in the registry: HKEY_LOCAL_MACHINE
// "SOFTWARE\Pelmworks\PelmSonvale\" value "ActiveWindowHandle" (REG_DWORD),
// to which a driver's installer posts WM_LINK_REFRESHDRIVERS. 0 when no
// controller lives. Registry failures are ignored: the link works without it.

#include "platform/system/MessageWindow.h"

namespace pelmsonvale {

// Publishes the window of a new controller.
void publishControllerWindow(platform::system::WindowHandle window);

// Withdraws the window of a controller that goes. When the value names it,
// it names instead the latest published window of this process that still
// lives, or 0 when none does; a value naming another window is left alone.
void withdrawControllerWindow(platform::system::WindowHandle window);

}  // namespace pelmsonvale
