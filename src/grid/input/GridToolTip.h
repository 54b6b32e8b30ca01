#pragma once

#include <cstdint>
#include <string>

#include "grid/view/GridInputParts.h"

namespace grid {

// The tooltip of a cell (row, data index): its own tip, else its column's;
// a text cut off by the column's width shows first, joined by "   -   ";
// the grid's tooltip when nothing else is left.
std::string CellTipText(const GridInputParts& grid, std::int32_t row, std::int32_t col);

}  // namespace grid
