#pragma once
// The messages that the link's hidden windows exchange.

#include "platform/system/MessageWindow.h"

namespace pelmsonvale {

using platform::system::kUserMessage;
using platform::system::MessageId;

inline constexpr MessageId WM_LINK_WORKER_HWND = kUserMessage + 0x01;
inline constexpr MessageId WM_LINK_STOP = kUserMessage + 0x02;
inline constexpr MessageId WM_LINK_ERROR = kUserMessage + 0x03;
inline constexpr MessageId WM_LINK_PLOTPOINT = kUserMessage + 0x04;
inline constexpr MessageId WM_LINK_MOVECURSOR = kUserMessage + 0x05;
inline constexpr MessageId WM_LINK_DELETEPOINT = kUserMessage + 0x06;
inline constexpr MessageId WM_LINK_DELETECURVE = kUserMessage + 0x07;
inline constexpr MessageId WM_LINK_DELETEALLCURVES = kUserMessage + 0x08;
// To the thread window from the worker, and to the controller's window from
// its signal thread.
inline constexpr MessageId WM_LINK_MEASUREMENTCOMPLETE = kUserMessage + 0x09;
// To the controller's window, from a driver's installer: re-read the driver list.
inline constexpr MessageId WM_LINK_REFRESHDRIVERS = kUserMessage + 0x0A;
inline constexpr MessageId WM_LINK_IMPEDANCEPOINT = kUserMessage + 0x0B;
inline constexpr MessageId WM_LINK_REFLEXPOINT = kUserMessage + 0x0C;
inline constexpr MessageId WM_LINK_DECAYPOINT = kUserMessage + 0x0D;
// To the window that keeps a run which Stop left behind, from its watcher:
// the worker asks for the release; the worker has ended.
inline constexpr MessageId WM_LINK_ABANDONED_RELEASE = kUserMessage + 0x20;
inline constexpr MessageId WM_LINK_ABANDONED_ENDED = kUserMessage + 0x21;

}  // namespace pelmsonvale
