#pragma once

#include "os/types/Types.h"

namespace os {

// Gives the window the keyboard focus; returns the window that had it.
HWND SetFocus(HWND window);
// The window with the keyboard focus, 0 when none of the program's has it.
HWND GetFocus();
// Puts the window above its siblings.
bool BringWindowToTop(HWND window);

}  // namespace os
