#pragma once

#include "os/types/Types.h"

namespace os {

// Message numbers the program sends or hooks.
inline constexpr UINT WM_ACTIVATE = 6;
inline constexpr UINT WM_PAINT = 15;
inline constexpr UINT WM_GETMINMAXINFO = 36;
inline constexpr UINT WM_NOTIFY = 78;
inline constexpr UINT WM_NCHITTEST = 132;
inline constexpr UINT WM_KEYDOWN = 256;
inline constexpr UINT WM_SYSCOMMAND = 274;
inline constexpr UINT WM_HSCROLL = 276;
inline constexpr UINT WM_VSCROLL = 277;
inline constexpr UINT WM_INITMENUPOPUP = 279;
inline constexpr UINT WM_USER = 0x0400;

// wParam of WM_ACTIVATE.
inline constexpr WPARAM WA_INACTIVE = 0;
inline constexpr WPARAM WA_ACTIVE = 1;

// Answers to WM_NCHITTEST.
inline constexpr LRESULT HTCLIENT = 1;
inline constexpr LRESULT HTCAPTION = 2;

// System commands (wParam of WM_SYSCOMMAND).
inline constexpr WPARAM SC_CLOSE = 0xF060;

// lParam of WM_GETMINMAXINFO points to this structure; sizes are outer
// window sizes in pixels.
struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

}  // namespace os
