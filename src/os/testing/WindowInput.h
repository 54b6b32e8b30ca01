#pragma once

#include <cstdint>

#include "os/types/GdiTypes.h"

namespace os::testing {

// Left-button mouse input on a widget-backed window, in its client pixels,
// delivered as Qt input events.
void MousePress(HWND window, POINT point);
void MouseMoveTo(HWND window, POINT point, bool buttonDown);
void MouseRelease(HWND window, POINT point);
void MouseDoubleClick(HWND window, POINT point);
void RightClick(HWND window, POINT point);
void MouseLeave(HWND window);
// Puts the mouse pointer at a screen point, where GetCursorPos finds it.
void MoveCursorTo(POINT screenPoint);
// Turns the wheel over the window by notches (positive: away from the user).
void WheelNotches(HWND window, POINT point, int notches);

// Real mouse input on a window's scroll bar, in the bar's own pixels.
void ClickScrollBar(HWND window, int bar, POINT barPoint);
void DragScrollThumb(HWND window, int bar, int distance);
// The pixel length of the bar and of one arrow button.
int ScrollBarLength(HWND window, int bar);

// The colour shown at a point of the window, children included.
COLORREF ShownPixel(HWND window, POINT point);

}  // namespace os::testing
