#pragma once

#include <string>

#include "os/types/GdiTypes.h"
#include "os/windows/WindowProcedures.h"

namespace os {

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

// A window without a widget: it has a handle, a procedure and properties,
// and is never drawn. Position and size are in its parent's client pixels.
HWND CreateBareWindow(const std::string& className, HWND parent, const RECT& bounds = {});
// (Windows backed by a widget are made where widgets get their handles:
// CreateWidgetWindow in os/qt/WidgetWindows.h.)

// Destroys the window, its children and the widget the window system
// created for it.
bool DestroyWindow(HWND window);

bool IsWindow(HWND window);
std::string GetClassName(HWND window);
HWND GetParent(HWND window);

// Outer rectangle in screen pixels.
bool GetWindowRect(HWND window, RECT& rect);
// Client rectangle: 0, 0, width, height.
bool GetClientRect(HWND window, RECT& rect);
// What a window's own scroll bars take off its client area, on the right
// (cx) and at the bottom (cy). Scroll bars belong to the common controls
// above this layer, which set the query when they make the first bars; until
// then no window has any. Returns the query that was set before.
using ClientInsetsQuery = SIZE (*)(HWND window);
ClientInsetsQuery SetClientInsetsQuery(ClientInsetsQuery query);
// Position and outer size in the parent's client pixels (screen for a top-level window).
bool MoveWindow(HWND window, int x, int y, int width, int height);
bool ScreenToClient(HWND window, POINT& point);
bool ClientToScreen(HWND window, POINT& point);

bool ShowWindow(HWND window, int command);
bool IsWindowVisible(HWND window);

// Index GWL_STYLE reads or replaces the window's style bits (what they
// mean is up to the window's class).
inline constexpr int GWL_STYLE = -16;

// Index GWL_WNDPROC reads or replaces the window procedure. SetWindowLong
// returns the previous value, 0 on failure (no window, no such procedure,
// a window of another process).
LONG_PTR GetWindowLong(HWND window, int index);
LONG_PTR SetWindowLong(HWND window, int index, LONG_PTR value);

}  // namespace os
