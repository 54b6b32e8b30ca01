#pragma once

#include <vector>

#include "app/chart/ChartFill.h"
#include "calc/suggest/GearSuggestion.h"

namespace grid {
class VbGrid;
}

namespace app {

// Sets up the candidates' grid: the gears, the threads gained, the threads
// made exact and the sum of errors.
void SetUpSuggestGrid(grid::VbGrid& grid);

// One grid row per suggestion, best first.
void ShowSuggestionList(grid::VbGrid& grid, const std::vector<calc::GearSuggestion>& list,
                        const std::vector<calc::WantedThread>& threads);

// The threads a suggestion gains, with the trains they then have, as the
// thread chart shows them; nothing without a suggestion.
void ShowGains(grid::VbGrid& grid, const calc::GearSuggestion* suggestion, const std::vector<calc::WantedThread>& threads,
               const ChartTolerances& tolerances);

}  // namespace app
