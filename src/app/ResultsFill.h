#pragma once

#include <vector>

#include "calc/GearSet.h"
#include "calc/SearchInputs.h"
#include "calc/SortedTrains.h"
#include "calc/TrainResult.h"

namespace forms {
class Form;
}
namespace grid {
class VbGrid;
}

namespace app {

// The colour of the row numbers: red 0, green 0, blue 30.
inline constexpr std::int32_t kRowNumberColour = 30 << 16;

// The two include options of the main window (chkLow, then chkAll).
void ReadIncludeOptions(const forms::Form& window, calc::SearchInputs& inputs);
// The leadscrew, the ratio, the request and the tolerance of the main window.
// A ratio side beyond the 32-bit range is held at the end of that range, so
// the calculation always runs.
void ReadRemainingInputs(const forms::Form& window, calc::SearchInputs& inputs);

// Writes the sorted results into the grid, one row per result, with the
// repaint held back until the last row is written.
void ShowResults(grid::VbGrid& grid, calc::SortedTrains& results, const calc::GearSet& gears);

}  // namespace app
