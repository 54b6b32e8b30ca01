#pragma once

namespace forms {
class Form;
}

namespace app {

// Creates gear boxes t_gears(1) to t_gears(55) as copies of box 0, each
// right of the one before, and shows those that fit in Frame1.
void CreateGearBoxes(forms::Form& window);
// Shows exactly the gear boxes (from box 1 on) that end inside Frame1.
void ShowFittingGearBoxes(forms::Form& window);

}  // namespace app
