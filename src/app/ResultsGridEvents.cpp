#include "app/ResultsGridEvents.h"

#include "app/ResultsCopy.h"
#include "grid/GridSelection.h"
#include "os/windows/VirtualKeys.h"

namespace app {

void ResultsGridEvents::KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
    if (Shift != os::CtrlMask) return;
    if (KeyCode == 'C') {
        CopySelectedRows(grid_);
        KeyCode = 0;
    } else if (KeyCode == 'A') {
        grid::GridSelection(grid_).SetAllSelected(true);
        grid_.RequestRepaint();
        KeyCode = 0;
    }
}

}  // namespace app
