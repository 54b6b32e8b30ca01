#pragma once

#include "os/types/GdiTypes.h"

namespace os {

// Raster operations of block copies and pattern fills.
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD SRCERASE = 0x00440328;
inline constexpr DWORD NOTSRCCOPY = 0x00330008;
inline constexpr DWORD NOTSRCERASE = 0x001100A6;
inline constexpr DWORD MERGEPAINT = 0x00BB0226;
inline constexpr DWORD PATCOPY = 0x00F00021;
inline constexpr DWORD PATINVERT = 0x005A0049;
inline constexpr DWORD DSTINVERT = 0x00550009;
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;

// Fills with a brush. A brush value from 1 to 31 is system colour value-1.
int FillRect(HDC dc, const RECT& rect, HBRUSH brush);
// A 1-pixel frame inside the rectangle in the brush's colour.
int FrameRect(HDC dc, const RECT& rect, HBRUSH brush);
// Outlined with the pen, filled with the brush.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
// Fills with the selected brush, combined with what is there by the operation.
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

// Lines with the selected pen: from the current position up to (not
// including) the end point, which becomes the current position.
bool MoveToEx(HDC dc, int x, int y, POINT* previous);
bool LineTo(HDC dc, int x, int y);

// The dotted focus frame, drawn by inverting pixels: drawing it again at
// the same place removes it.
bool DrawFocusRect(HDC dc, const RECT& rect);

bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop);
bool StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop);
// Moves the pixels of scroll (nullptr: everything) by dx, dy, keeping within
// clip (nullptr: no limit). What the move uncovered goes to update (a
// region, 0: none) and its bounding box to updateRect.
bool ScrollDC(HDC dc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, RECT* updateRect);

COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);

}  // namespace os
