#pragma once

#include <string>

#include "os/types/Types.h"

namespace os {

DWORD GetCurrentProcessId();
// A small number per thread, given out in the order threads first ask.
DWORD GetCurrentThreadId();
// The thread that created the window, and (through processId, when given)
// its process; 0 for a handle that is not a window.
DWORD GetWindowThreadProcessId(HWND window, DWORD* processId);

// The executable's file name without folder and extension ("kestrany").
std::string ExecutableName();

// Test seam: makes the window report another process as its owner.
void MarkWindowForeign(HWND window, bool foreign = true);

}  // namespace os
