#pragma once

#include <string>
#include <string_view>

#include "os/types/GdiTypes.h"

namespace os {

// DrawText format bits.
inline constexpr UINT DT_TOP = 0x0;
inline constexpr UINT DT_LEFT = 0x0;
inline constexpr UINT DT_CENTER = 0x1;
inline constexpr UINT DT_RIGHT = 0x2;
inline constexpr UINT DT_VCENTER = 0x4;
inline constexpr UINT DT_BOTTOM = 0x8;
inline constexpr UINT DT_WORDBREAK = 0x10;
inline constexpr UINT DT_SINGLELINE = 0x20;
inline constexpr UINT DT_EXPANDTABS = 0x40;
inline constexpr UINT DT_NOCLIP = 0x100;
inline constexpr UINT DT_CALCRECT = 0x400;
inline constexpr UINT DT_NOPREFIX = 0x800;
inline constexpr UINT DT_PATH_ELLIPSIS = 0x4000;
inline constexpr UINT DT_END_ELLIPSIS = 0x8000;
inline constexpr UINT DT_MODIFYSTRING = 0x10000;
inline constexpr UINT DT_WORD_ELLIPSIS = 0x40000;

// Draws UTF-8 text in the rectangle with the selected font, text colour and
// background mode, and returns the height of the text. Vertical centring
// and bottom alignment apply to single-line text. Without DT_NOPREFIX an
// ampersand is dropped ("&&" shows one). With DT_CALCRECT nothing is drawn:
// the rectangle's right and bottom are set to fit the text. With
// DT_MODIFYSTRING and an ellipsis flag, text receives what was shown.
int DrawText(HDC dc, std::string& text, RECT& rect, UINT format);
int DrawText(HDC dc, std::string_view text, RECT& rect, UINT format);

// Draws text with its top left at x, y; a rotated font turns it about that
// point (900 tenths of a degree: reading upwards).
bool TextOut(HDC dc, int x, int y, std::string_view text);
bool GetTextExtentPoint32(HDC dc, std::string_view text, SIZE& size);
bool GetTextMetrics(HDC dc, TEXTMETRIC& metrics);

}  // namespace os
