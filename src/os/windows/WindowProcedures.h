#pragma once

#include <functional>

#include "os/types/Types.h"

namespace os {

// A window procedure: answers one message sent to a window.
using WindowProcedure = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// The window-procedure slot (index for GetWindowLong / SetWindowLong).
inline constexpr int GWL_WNDPROC = -4;

// Procedures live in a table and are named by integer ids, so that the value
// read from a window's procedure slot can be written back to it or called.
// Registering returns a new non-zero id; a plain function registered twice
// keeps its first id.
LONG_PTR RegisterWindowProcedure(WindowProcedure procedure);
LONG_PTR RegisterWindowFunction(WNDPROC procedure);
void UnregisterWindowProcedure(LONG_PTR id);
bool IsWindowProcedure(LONG_PTR id);

// Calls the procedure with the given id; 0 when there is no such procedure.
LRESULT CallWindowProc(LONG_PTR procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Default processing of a message; the procedure every window starts with.
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LONG_PTR DefaultWindowProcedure();

// Default processing of the paint message. Drawing surfaces belong to the
// painting layer above this one, which sets the handler when it attaches the
// first surface; until then no window has anything to paint and the message
// is answered 0. Returns the handler that was set before.
using DefaultPaintHandler = LRESULT (*)(HWND window);
DefaultPaintHandler SetDefaultPaintHandler(DefaultPaintHandler handler);

}  // namespace os
