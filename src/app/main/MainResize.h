#pragma once

namespace forms {
class Form;
}

namespace app {

struct MainControls;

// Fits the main window's frames, gear boxes and grid to its size. Sizes
// that would come out negative (a tiny or minimised window) are held at 0.
void LayoutMainWindow(const forms::Form& window, const MainControls& controls);

}  // namespace app
