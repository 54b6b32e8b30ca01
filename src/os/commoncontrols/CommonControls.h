#pragma once

#include <string>

#include "os/types/Types.h"

namespace os {

// Window styles.
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;

// Error codes of GetLastError.
inline constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
inline constexpr DWORD ERROR_CANNOT_FIND_WND_CLASS = 1407;

// The last failure of a window function on this thread.
DWORD GetLastError();
void SetLastError(DWORD code);

// The window classes of the common controls (the header) are registered
// from the start; InitCommonControlsEx registers them again after
// UnregisterClass took one away.
inline constexpr DWORD ICC_LISTVIEW_CLASSES = 0x1;
struct INITCOMMONCONTROLSEX {
    DWORD dwSize = sizeof(INITCOMMONCONTROLSEX);
    DWORD dwICC = 0;
};
bool InitCommonControlsEx(const INITCOMMONCONTROLSEX& classes);
// Removes a registered class, so that creating its windows fails again.
bool UnregisterClass(const std::string& className);

// Creates a window of a registered class as a child of parent; 0 and the
// last error on failure (1407: class not registered, 1400: no parent).
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU id);

// The first child window of parent after childAfter (0: from the first)
// with that class name.
HWND FindWindowEx(HWND parent, HWND childAfter, const std::string& className);

bool EnableWindow(HWND window, bool enable);
bool IsWindowEnabled(HWND window);

// The mouse pointer in screen pixels.
bool GetCursorPos(POINT& point);

// Font messages.
inline constexpr UINT WM_SETFONT = 0x0030;
inline constexpr UINT WM_GETFONT = 0x0031;

}  // namespace os
