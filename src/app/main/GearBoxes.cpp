#include "app/main/GearBoxes.h"

#include "app/main/MainLayout.h"
#include "forms/Form.h"

namespace app {

namespace {

bool FitsInFrame(const forms::Control& box, const forms::Control& frame) {
    return box.Left() + box.Width() < frame.Width();
}

}  // namespace

void CreateGearBoxes(forms::Form& window) {
    const forms::Control& frame = *window.Find("Frame1");
    for (int n = 1; n < kGearBoxCount; ++n) {
        const forms::Control& previous = *window.Find("t_gears", n - 1);
        forms::Control& box = window.LoadControl("t_gears", n);
        box.Move({previous.Left() + previous.Width() + kGearBoxSpacing, previous.Top(), previous.Width(),
                  previous.Height()});
        box.SetVisible(FitsInFrame(box, frame));
    }
}

void ShowFittingGearBoxes(forms::Form& window) {
    const forms::Control& frame = *window.Find("Frame1");
    for (int n = 1; n < kGearBoxCount; ++n) {
        if (forms::Control* box = window.Find("t_gears", n)) box->SetVisible(FitsInFrame(*box, frame));
    }
}

}  // namespace app
