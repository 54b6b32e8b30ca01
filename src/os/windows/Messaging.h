#pragma once

#include "os/types/Types.h"

namespace os {

// Calls the window's current procedure at once and returns its answer;
// 0 when the handle is not a window. A procedure that fails answers 0.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Queues the message on the event loop; it is sent when the loop next runs,
// if the window still exists then. False without an event loop or window.
bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace os
