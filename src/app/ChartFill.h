#pragma once

#include <cstdint>
#include <vector>

#include "calc/FewestChanges.h"
#include "calc/GearSet.h"
#include "calc/ThreadChart.h"

namespace grid {
class VbGrid;
}

namespace app {

// The colour of a thread whose best train misses its tolerance: grey.
inline constexpr std::int32_t kOutsideToleranceColour = 0x808080;

// The accepted error, in percent, for threads given in mm and in threads per inch.
using ChartTolerances = calc::ThreadTolerances;

// Sets up the grid as the results grid, with the thread in the first column.
void SetUpChartGrid(grid::VbGrid& grid);

// Writes one grid row per chart row, with the repaint held back until the
// last; a row whose best error is not within the tolerance of its thread's
// kind is drawn in grey.
void ShowChart(grid::VbGrid& grid, const std::vector<calc::ChartRow>& rows, const calc::GearSet& gears,
               const ChartTolerances& tolerances);

}  // namespace app
