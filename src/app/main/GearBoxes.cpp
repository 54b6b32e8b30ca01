#include "app/main/GearBoxes.h"

#include "app/main/MainLayout.h"
#include "forms/Control.h"
#include "forms/Form.h"

namespace app {

namespace {

bool FitsInFrame(const forms::Control& box, const forms::Control& frame) {
    return box.Left() + box.Width() < frame.Width();
}

}  // namespace

void CreateGearBoxes(forms::Form& window, MainControls& controls) {
    const forms::Control& first = *controls.gearBoxes[0];
    for (int n = 1; n < kGearBoxCount; ++n) {
        const forms::Control& previous = *controls.gearBoxes[n - 1];
        forms::Control& box = window.LoadControl(first.Name(), n);
        controls.gearBoxes[n] = &box;
        box.Move({previous.Left() + previous.Width() + kGearBoxSpacing, previous.Top(), previous.Width(),
                  previous.Height()});
        box.SetVisible(FitsInFrame(box, controls.gearFrame));
    }
}

void ShowFittingGearBoxes(const MainControls& controls) {
    for (int n = 1; n < kGearBoxCount; ++n) {
        if (forms::Control* box = controls.gearBoxes[n]) box->SetVisible(FitsInFrame(*box, controls.gearFrame));
    }
}

}  // namespace app
