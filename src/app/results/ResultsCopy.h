#pragma once

#include <string>

#include "grid/core/VbGrid.h"

namespace app {

// The results grid's selected rows as text for the clipboard: the header
// line first, then one line per row, cells as the grid shows them,
// separated by tabs, so that a spreadsheet pastes them as columns. With no
// row selected, the focus row.
std::string SelectedRowsText(const grid::VbGrid& grid);

// Puts the selected rows on the clipboard.
void CopySelectedRows(const grid::VbGrid& grid);

}  // namespace app
