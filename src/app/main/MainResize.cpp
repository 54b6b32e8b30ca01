#include "app/main/MainResize.h"

#include <algorithm>

#include "app/main/GearBoxes.h"
#include "app/main/MainLayout.h"
#include "forms/Control.h"
#include "forms/Form.h"

namespace app {

namespace {

// The frames end 60 twips short of the window's right edge.
void FitFrameWidth(const forms::Form& window, forms::Control& frame) {
    frame.SetWidth(std::max(0, window.Width() - 2 * frame.Left() - 60));
}

// The grid fills the client area right and below its corner, 12 twips short.
void FitGrid(const forms::Form& window, forms::Control& grid) {
    grid.SetWidth(std::max(0, window.ScaleWidth() - grid.Left() - 12));
    grid.SetHeight(std::max(0, window.ScaleHeight() - grid.Top() - 12));
}

}  // namespace

void LayoutMainWindow(const forms::Form& window, const MainControls& controls) {
    FitFrameWidth(window, controls.gearFrame);
    FitFrameWidth(window, controls.miscFrame);
    ShowFittingGearBoxes(controls);
    FitGrid(window, controls.grid);
}

}  // namespace app
