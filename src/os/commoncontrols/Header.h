#pragma once

#include <cstdint>

#include "os/types/GdiTypes.h"

namespace os {

// The header control's window class.
inline constexpr const char* WC_HEADER = "SysHeader32";

// Header styles.
inline constexpr DWORD HDS_HORZ = 0x0;
inline constexpr DWORD HDS_BUTTONS = 0x2;
inline constexpr DWORD HDS_HOTTRACK = 0x4;
inline constexpr DWORD HDS_DRAGDROP = 0x40;

// Messages a header answers.
inline constexpr UINT HDM_FIRST = 0x1200;
inline constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
inline constexpr UINT HDM_INSERTITEM = HDM_FIRST + 1;
inline constexpr UINT HDM_DELETEITEM = HDM_FIRST + 2;
inline constexpr UINT HDM_GETITEM = HDM_FIRST + 3;
inline constexpr UINT HDM_SETITEM = HDM_FIRST + 4;
inline constexpr UINT HDM_LAYOUT = HDM_FIRST + 5;
inline constexpr UINT HDM_GETITEMRECT = HDM_FIRST + 7;
inline constexpr UINT HDM_SETIMAGELIST = HDM_FIRST + 8;
inline constexpr UINT HDM_GETIMAGELIST = HDM_FIRST + 9;
inline constexpr UINT HDM_ORDERTOINDEX = HDM_FIRST + 15;

// HDITEM fields.
inline constexpr UINT HDI_WIDTH = 0x1;
inline constexpr UINT HDI_TEXT = 0x2;
inline constexpr UINT HDI_FORMAT = 0x4;
inline constexpr UINT HDI_LPARAM = 0x8;
inline constexpr UINT HDI_IMAGE = 0x20;
inline constexpr UINT HDI_ORDER = 0x80;

// Item formats.
inline constexpr int HDF_LEFT = 0x0;
inline constexpr int HDF_RIGHT = 0x1;
inline constexpr int HDF_CENTER = 0x2;
inline constexpr int HDF_JUSTIFYMASK = 0x3;
inline constexpr int HDF_IMAGE = 0x800;
inline constexpr int HDF_BITMAP_ON_RIGHT = 0x1000;
inline constexpr int HDF_STRING = 0x4000;

// One item, for insert, get and set. Text is UTF-8; on get it is copied
// into pszText, at most cchTextMax bytes with the terminating NUL.
struct HDITEM {
    UINT mask = 0;
    std::int32_t cxy = 0;
    char* pszText = nullptr;
    std::intptr_t hbm = 0;
    std::int32_t cchTextMax = 0;
    std::int32_t fmt = 0;
    LPARAM lParam = 0;
    std::int32_t iImage = 0;
    std::int32_t iOrder = 0;
};

struct WINDOWPOS {
    HWND hwnd = 0;
    HWND hwndInsertAfter = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    UINT flags = 0;
};

// HDM_LAYOUT: the header gives its position within prc in pwpos and takes
// its height off the top of prc.
struct HDLAYOUT {
    RECT* prc = nullptr;
    WINDOWPOS* pwpos = nullptr;
};

// Notifications (WM_NOTIFY, lParam points to the structure below).
struct NMHDR {
    HWND hwndFrom = 0;
    UINT_PTR idFrom = 0;
    std::int32_t code = 0;
};

struct NMHEADER {
    NMHDR hdr;
    std::int32_t iItem = -1;
    std::int32_t iButton = 0;
    HDITEM* pitem = nullptr;
};

inline constexpr std::int32_t NM_RCLICK = -5;
inline constexpr std::int32_t HDN_FIRST = -300;
inline constexpr std::int32_t HDN_ITEMCLICK = HDN_FIRST - 2;
inline constexpr std::int32_t HDN_ITEMDBLCLICK = HDN_FIRST - 3;
inline constexpr std::int32_t HDN_DIVIDERDBLCLICK = HDN_FIRST - 5;
inline constexpr std::int32_t HDN_BEGINTRACK = HDN_FIRST - 6;
inline constexpr std::int32_t HDN_ENDTRACK = HDN_FIRST - 7;
inline constexpr std::int32_t HDN_TRACK = HDN_FIRST - 8;
inline constexpr std::int32_t HDN_BEGINDRAG = HDN_FIRST - 10;
inline constexpr std::int32_t HDN_ENDDRAG = HDN_FIRST - 11;

// How a header behaves under the mouse, told to its parent:
// - pressing a divider (the few pixels about an item's right edge) sends
//   HDN_BEGINTRACK; an answer of 1 refuses the tracking. Each move sends
//   HDN_TRACK with the proposed width; 1 ends the tracking, cancelled. The
//   release sends HDN_ENDTRACK with the final width, which the item takes
//   unless the answer is 1 or the program set the width itself meanwhile.
// - a double click on a divider sends HDN_DIVIDERDBLCLICK, on an item
//   HDN_ITEMDBLCLICK; a click on an item (buttons style) HDN_ITEMCLICK.
// - with the drag-and-drop style, pressing an item and moving sends
//   HDN_BEGINDRAG (1 refuses); the drop sends HDN_ENDDRAG with the display
//   position under the pointer in iOrder, and the item moves there unless
//   the answer is 1 or the program rearranged the items meanwhile.
// - a right click sends NM_RCLICK.

}  // namespace os
