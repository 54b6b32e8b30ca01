#pragma once

#include "app/results/InputControls.h"
#include "calc/inputs/SearchInputs.h"
#include "grid/model/GridTable.h"

namespace grid {
class VbGrid;
}

namespace app {

// The two include options of the main window (chkLow, then chkAll).
void ReadIncludeOptions(const InputControls& window, calc::SearchInputs& inputs);
// The leadscrew, the ratio, the request and the tolerance of the main window.
// A ratio side beyond the 32-bit range is held at the end of that range, so
// the calculation always runs.
void ReadRemainingInputs(const InputControls& window, calc::SearchInputs& inputs);

// Shows a table of results (the calculation's, the thread chart's) in the
// grid, one row per result, with the repaint held back until the grid has
// them all. The grid reads the table while it shows it; no text is copied
// into the grid.
void ShowResults(grid::VbGrid& grid, const grid::GridTable& results);

}  // namespace app
