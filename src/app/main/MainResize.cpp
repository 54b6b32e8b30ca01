#include "app/main/MainResize.h"

#include <algorithm>

#include "app/main/GearBoxes.h"
#include "forms/Form.h"

namespace app {

namespace {

// The frames end 60 twips short of the window's right edge.
void FitFrameWidth(forms::Form& window, const char* name) {
    forms::Control& frame = *window.Find(name);
    frame.SetWidth(std::max(0, window.Width() - 2 * frame.Left() - 60));
}

// The grid fills the client area right and below its corner, 12 twips short.
void FitGrid(forms::Form& window) {
    forms::Control& grid = *window.Find("vbGrid1");
    grid.SetWidth(std::max(0, window.ScaleWidth() - grid.Left() - 12));
    grid.SetHeight(std::max(0, window.ScaleHeight() - grid.Top() - 12));
}

}  // namespace

void LayoutMainWindow(forms::Form& window) {
    FitFrameWidth(window, "Frame1");
    FitFrameWidth(window, "Frame4");
    ShowFittingGearBoxes(window);
    FitGrid(window);
}

}  // namespace app
