#pragma once

#include "os/types/GdiTypes.h"

namespace os {

// Gives a window backed by a widget a persistent surface of its client
// size: from then on GetDC draws into it, Qt paints copy from it, and paint
// messages come from invalidation. The whole surface starts invalid.
// Windows the program draws itself have one from creation.
bool AttachSurface(HWND window);
bool HasSurface(HWND window);

// Adds a rectangle (nullptr: the whole client area) to the window's update
// region; erase fills it with the window's background before the paint.
// One paint message follows when the event loop is idle, however many
// invalidations came before it. A window without a surface is repainted
// by Qt instead.
bool InvalidateRect(HWND window, const RECT* rect, bool erase);
bool InvalidateRgn(HWND window, HRGN region, bool erase);
bool ValidateRect(HWND window, const RECT* rect);
// Sends the paint message now when the update region is not empty.
bool UpdateWindow(HWND window);
// Copies the update region into region; returns its kind.
int GetUpdateRgn(HWND window, HRGN region, bool erase);
// The update region's bounding box; false when it is empty.
bool GetUpdateRect(HWND window, RECT* rect, bool erase);

struct PAINTSTRUCT {
    HDC hdc = 0;
    bool fErase = false;
    RECT rcPaint;
};

// Empties the update region (erasing it when asked) and returns a context
// clipped to what it held.
HDC BeginPaint(HWND window, PAINTSTRUCT& paint);
bool EndPaint(HWND window, const PAINTSTRUCT& paint);

// Default handling of the paint message: empties the update region,
// erasing it when asked, and gives the owner of a program-drawn window its
// Paint event.
LRESULT DefaultPaint(HWND window);

}  // namespace os
