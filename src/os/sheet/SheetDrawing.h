#pragma once

#include "os/sheet/SheetTarget.h"
#include "runtime/TextSheet.h"

namespace os {

// The type of a sheet: the title, the column titles, the rows in large type
// to be read at arm's length.
inline constexpr SheetFont kSheetTitleFont{14, true};
inline constexpr SheetFont kSheetHeaderFont{12, true};
inline constexpr SheetFont kSheetRowFont{16, false};

// Lays the sheet out on as many pages as it needs and draws it. Every page
// begins with the title (wrapped to the page's width, with "page i of n"
// when there is more than one page) and the column titles above a black
// line; each row is drawn once. Each column is as wide as its widest text
// plus a gap; when the columns are wider than the page, the whole table's
// type shrinks until they fit. A light line sets each group of rows apart.
// False when a page could not be started (the rows after it are not drawn).
bool DrawTextSheet(const runtime::TextSheet& sheet, SheetTarget& target);

}  // namespace os
