#pragma once

#include <functional>
#include <string>
#include <vector>

#include "os/types/Types.h"

namespace os {

// Item flags (AppendMenu) and states (EnableMenuItem, GetMenuState).
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT MenuItemNotFound = 0xFFFFFFFFu;

struct MenuItem {
    UINT flags = MF_STRING;
    UINT_PTR id = 0;
    std::string text;
};

// The window's system menu, made on first use with a Close item. With revert
// true the menu goes back to that first state and 0 is returned.
HMENU GetSystemMenu(HWND window, bool revert);
bool AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const std::string& text);
// Sets MF_ENABLED, MF_GRAYED or MF_DISABLED on an item found by command id
// (or by position with MF_BYPOSITION); returns its previous state, -1 when
// there is no such item.
int EnableMenuItem(HMENU menu, UINT item, UINT enable);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuItemCount(HMENU menu);
std::vector<MenuItem> GetMenuItems(HMENU menu);

// Opens the window's system menu as a popup at a screen point: the window
// first gets WM_INITMENUPOPUP (wParam the menu, high word of lParam 1 for
// the system menu), then WM_SYSCOMMAND with the id of the item chosen.
void ShowSystemMenu(HWND window, POINT screenPosition);

// Test seam: shows a menu and answers the id chosen (0 for none) in place of
// the popup on screen. An empty presenter brings the popup back. Returns the
// presenter that was in place.
using MenuPresenter = std::function<UINT_PTR(HMENU menu, POINT screenPosition)>;
MenuPresenter SetMenuPresenter(MenuPresenter presenter);

}  // namespace os
