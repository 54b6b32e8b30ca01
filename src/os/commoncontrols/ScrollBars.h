#pragma once

#include <cstdint>

#include "os/types/GdiTypes.h"

namespace os {

// Which bar of a window.
inline constexpr int SB_HORZ = 0;
inline constexpr int SB_VERT = 1;
inline constexpr int SB_BOTH = 3;

// Requests in the low word of WM_HSCROLL / WM_VSCROLL; the high word carries
// the thumb's position for SB_THUMBTRACK and SB_THUMBPOSITION.
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_ENDSCROLL = 8;

// EnableScrollBar arrows.
inline constexpr UINT ESB_ENABLE_BOTH = 0;
inline constexpr UINT ESB_DISABLE_BOTH = 3;

// SCROLLINFO fields.
inline constexpr UINT SIF_RANGE = 0x1;
inline constexpr UINT SIF_PAGE = 0x2;
inline constexpr UINT SIF_POS = 0x4;
inline constexpr UINT SIF_DISABLENOSCROLL = 0x8;
inline constexpr UINT SIF_TRACKPOS = 0x10;
inline constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    std::int32_t nMin = 0;
    std::int32_t nMax = 0;
    UINT nPage = 0;
    std::int32_t nPos = 0;
    std::int32_t nTrackPos = 0;
};

// The bars of a window lie along its right and bottom edges, outside its
// client area: GetClientRect shrinks by each bar that is shown. A bar's
// position runs from nMin to nMax - (nPage - 1). Bars start hidden with the
// range 0..100. Mouse actions on a bar, and the wheel over a window whose
// vertical bar is shown, reach the window as WM_HSCROLL / WM_VSCROLL; the
// bar's position changes only when the program sets it.
bool ShowScrollBar(HWND window, int bar, bool show);
bool EnableScrollBar(HWND window, UINT bar, UINT arrows);
bool GetScrollInfo(HWND window, int bar, SCROLLINFO& info);
// Sets the fields named in fMask and returns the new position.
int SetScrollInfo(HWND window, int bar, const SCROLLINFO& info, bool redraw);
bool IsScrollBarShown(HWND window, int bar);
bool IsScrollBarEnabled(HWND window, int bar);

// The client area taken by the bars that are shown (right and bottom).
SIZE ScrollBarInsets(HWND window);

// Flat scroll bars: the same bars, drawn flat while their style says so.
inline constexpr int WSB_PROP_VSTYLE = 0x100;
inline constexpr int WSB_PROP_HSTYLE = 0x200;
inline constexpr LONG_PTR FSB_FLAT_MODE = 2;
inline constexpr LONG_PTR FSB_ENCARTA_MODE = 1;
inline constexpr LONG_PTR FSB_REGULAR_MODE = 0;

bool InitializeFlatSB(HWND window);
bool UninitializeFlatSB(HWND window);
bool FlatSB_SetScrollProp(HWND window, int property, LONG_PTR value, bool redraw);
bool FlatSB_GetScrollProp(HWND window, int property, LONG_PTR& value);
bool FlatSB_ShowScrollBar(HWND window, int bar, bool show);
bool FlatSB_EnableScrollBar(HWND window, UINT bar, UINT arrows);
bool FlatSB_GetScrollInfo(HWND window, int bar, SCROLLINFO& info);
int FlatSB_SetScrollInfo(HWND window, int bar, const SCROLLINFO& info, bool redraw);

}  // namespace os
