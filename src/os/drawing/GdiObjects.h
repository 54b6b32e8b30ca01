#pragma once

#include <cstdint>
#include <string>

#include "os/types/GdiTypes.h"

namespace os {

// Pen styles.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_NULL = 5;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;

// Object types (GetObjectType).
inline constexpr int OBJ_PEN = 1;
inline constexpr int OBJ_BRUSH = 2;
inline constexpr int OBJ_DC = 3;
inline constexpr int OBJ_FONT = 6;
inline constexpr int OBJ_BITMAP = 7;
inline constexpr int OBJ_REGION = 8;
inline constexpr int OBJ_MEMDC = 10;

HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
// The brush of a system colour; owned by the system, DeleteObject ignores it.
HBRUSH GetSysColorBrush(int index);
HGDIOBJ GetStockObject(int object);

// Fonts with the same description share their glyph measurements, so
// creating and deleting a font in every drawing pass is cheap.
HFONT CreateFontIndirect(const LOGFONT& description);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, bool italic, bool underline,
                 bool strikeOut, const std::string& faceName);
// The character height (negative lfHeight) of a font of the given size in
// points on the screen.
int FontHeightForPoints(double points);

// A bitmap of the same pixel density as the context, filled black.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// A bitmap from 32-bit pixels 0xAARRGGBB, row by row from the top.
HBITMAP CreateBitmapFromPixels(int width, int height, const std::uint32_t* pixels);

bool DeleteObject(HGDIOBJ object);
int GetObjectType(HGDIOBJ object);
bool GetObject(HGDIOBJ object, BITMAP& result);
bool GetObject(HGDIOBJ object, LOGFONT& result);

// value * numerator / denominator, rounded; -1 when the denominator is 0.
int MulDiv(int value, int numerator, int denominator);

}  // namespace os
