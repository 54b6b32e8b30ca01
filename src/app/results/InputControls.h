#pragma once

#include <array>

namespace forms {
class Control;
}

namespace app {

// The main window's inputs to a calculation, as the calculation, the chart
// and the gear suggestion read them. The option pairs hold both buttons,
// never null: [0] millimetres, [1] threads per inch.
struct InputControls {
    forms::Control& includeLow;                    // chkLow
    forms::Control& includeIntersecting;           // chkAll
    std::array<forms::Control*, 2> leadscrewUnit;  // optScrew
    forms::Control& leadscrewMm;                   // screwpitchM
    forms::Control& leadscrewTpi;                  // screwpitchI
    forms::Control& ratioLeft;                     // prevL
    forms::Control& ratioRight;                    // prevR
    std::array<forms::Control*, 2> requestUnit;    // Option1
    forms::Control& request;                       // reqPitch
    forms::Control& toleranceMm;                   // txtPrecM
    forms::Control& toleranceTpi;                  // txtPrecI
};

}  // namespace app
