#pragma once

namespace grid {
class VbGrid;
}

namespace app {

// The results grid as the main window shows it: the columns of the results
// table (calc/texts/ResultColumns.h) with their headers, widths and alignments,
// the display settings, the marks column's tooltip. Headers and tooltip come from the language file.
// Leaves DelayedRedraw on; the window's load sequence turns it off.
void SetUpResultsGrid(grid::VbGrid& grid);
// The stored settings of the results grid (the text form of a grid property
// store) that the windows showing results create their grids from.
const char* ResultsGridStoredSettings();

}  // namespace app
