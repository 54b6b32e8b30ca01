#pragma once

#include "os/types/GdiTypes.h"

namespace os {

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Stretch modes (SetStretchBltMode).
inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;

// GetDeviceCaps indices.
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// A device context drawing into the window's surface. A window that had no
// surface gets one. GetDC(0) draws across the screen: on every
// program-drawn window under what is drawn, in screen coordinates.
HDC GetDC(HWND window);
// Ends a context from GetDC; what it drew is shown.
int ReleaseDC(HWND window, HDC dc);
// An off-screen context of the same pixel density, holding a 1 x 1 bitmap
// until one is selected.
HDC CreateCompatibleDC(HDC dc);
bool DeleteDC(HDC dc);
HWND WindowFromDC(HDC dc);

// Puts a pen, brush, font or bitmap into the context and returns the one
// it replaces (0 on failure). A region becomes the clip region and the
// region's kind is returned.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetStretchBltMode(HDC dc, int mode);

// Clipping, in the context's coordinates. A copy of the region is taken;
// region 0 removes the clip. Each returns the clip's kind.
int SelectClipRgn(HDC dc, HRGN region);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int GetClipBox(HDC dc, RECT& box);

int GetDeviceCaps(HDC dc, int index);

}  // namespace os
