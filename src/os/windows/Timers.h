#pragma once

#include "os/types/Types.h"

namespace os {

inline constexpr UINT WM_TIMER = 275;

// Called on the event loop each time a timer elapses.
using TIMERPROC = void (*)(HWND window, UINT message, UINT_PTR timerId, DWORD tickCount);

// Starts a timer of elapse milliseconds (at least 10) that runs on the Qt
// event loop. Without a window the timer gets a new identifier, which is
// returned and passed to the callback; giving the identifier of a running
// windowless timer restarts that timer. With a window the identifier is
// idEvent and, without a callback, the window receives WM_TIMER. Returns 0
// when no timer can be made (no event loop, no callback and no window).
UINT_PTR SetTimer(HWND window, UINT_PTR idEvent, UINT elapse, TIMERPROC callback);
// Stops a timer; false when there is no such timer.
bool KillTimer(HWND window, UINT_PTR idEvent);

}  // namespace os
