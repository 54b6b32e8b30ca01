#include "app/results/ResultsGridEvents.h"

#include "app/results/ResultsCopy.h"
#include "grid/view/GridSelection.h"
#include "os/windows/VirtualKeys.h"

namespace app {

void HandleResultsKey(grid::VbGrid& grid, std::int16_t& KeyCode, std::int16_t Shift) {
    if (Shift != os::CtrlMask) return;
    if (KeyCode == 'C') {
        CopySelectedRows(grid);
        KeyCode = 0;
    } else if (KeyCode == 'A') {
        grid::GridSelection(grid.InputParts()).SetAllSelected(true);
        grid.RequestRepaint();
        KeyCode = 0;
    }
}

void ResultsGridEvents::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) { HandleResultsKey(grid_, KeyCode, Shift); }

}  // namespace app
