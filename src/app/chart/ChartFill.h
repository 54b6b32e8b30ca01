#pragma once

#include "app/chart/ChartTable.h"

namespace grid {
class VbGrid;
}

namespace app {

// Sets up the grid as the results grid, with the thread in the first column.
void SetUpChartGrid(grid::VbGrid& grid);

}  // namespace app
