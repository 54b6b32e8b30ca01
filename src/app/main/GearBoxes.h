#pragma once

namespace forms {
class Form;
}

namespace app {

struct MainControls;

// Creates gear boxes 1 to 55 as copies of box 0, each right of the one
// before, names them in the controls and shows those that fit in the gear frame.
void CreateGearBoxes(forms::Form& window, MainControls& controls);
// Shows exactly the gear boxes (from box 1 on) that end inside the gear frame.
void ShowFittingGearBoxes(const MainControls& controls);

}  // namespace app
