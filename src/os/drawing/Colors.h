#pragma once

#include <cstdint>

#include "os/types/GdiTypes.h"

namespace os {

// System colour indices.
inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_ACTIVEBORDER = 10;
inline constexpr int COLOR_INACTIVEBORDER = 11;
inline constexpr int COLOR_APPWORKSPACE = 12;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;
inline constexpr int COLOR_HOTLIGHT = 26;
inline constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
inline constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
inline constexpr int COLOR_MENUHILIGHT = 29;
inline constexpr int COLOR_MENUBAR = 30;
inline constexpr int COLOR_LAST = COLOR_MENUBAR;

// The colour of a system colour index, taken from the application's
// palette so that the program matches the desktop; 0 for an unknown index.
COLORREF GetSysColor(int index);

// An OLE colour: an RGB value, or 0x80000000 + n for system colour n.
using OLE_COLOR = std::uint32_t;
inline constexpr OLE_COLOR SystemColorBase = 0x80000000u;

// Translates an OLE colour to RGB. Returns 0 (success) and writes the colour,
// or a non-zero failure code and leaves the result alone.
inline constexpr std::int32_t E_INVALIDARG = static_cast<std::int32_t>(0x80070057u);
std::int32_t OleTranslateColor(OLE_COLOR color, std::intptr_t palette, COLORREF& result);
// The RGB value of an OLE colour, or -1 when it cannot be translated.
std::int32_t TranslateColor(OLE_COLOR color);

}  // namespace os
