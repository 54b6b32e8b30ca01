#pragma once

namespace grid {
class VbGrid;
}

namespace app {

// Widens the results grid's row-number column so that the largest row
// number shows whole (five digits and more for long lists). It never
// narrows it: a width the user gave it stays as long as the numbers fit.
void FitRowNumberColumn(grid::VbGrid& grid);

}  // namespace app
