#pragma once

#include <array>

#include "app/results/InputControls.h"

namespace forms {
class Control;
class Form;
}

namespace app {

// Window layout of the main window, in twips.
inline constexpr int kGearBoxCount = 56;       // t_gears(0) to t_gears(55)
inline constexpr int kGearBoxSpacing = 6;      // between neighbouring gear boxes
inline constexpr int kClientWidth = 7245;
inline constexpr int kClientHeight = 7785;
inline constexpr int kMinTrackWidth = 7400;    // smallest outer size the user may drag to
inline constexpr int kMinTrackHeight = 6300;

// The main window's controls, each named here once.
struct MainControls {
    InputControls inputs;
    forms::Control& gearFrame;  // Frame1
    // t_gears: box 0 from the start, boxes 1 to 55 from the load on (null before).
    std::array<forms::Control*, kGearBoxCount> gearBoxes;
    forms::Control& leadscrewFrame;  // Frame2
    forms::Control& mmLabel;         // Label1
    forms::Control& tpiLabel;        // Label2
    forms::Control& requestFrame;    // Frame3
    forms::Control& toleranceLabel;  // Label3
    forms::Control& calculate;       // btnCalc
    forms::Control& miscFrame;       // Frame4
    forms::Control& ratioLabel;      // lblPrev
    forms::Control& ratioColon;      // Label5
    forms::Control& print;           // btnPrint
    forms::Control& sketch;          // Image1: the gear sketch or the focus row's train
    forms::Control& grid;            // vbGrid1: the results grid's window
};

// Creates the main window's controls with their built-in texts, tooltips
// and language keys, its title and client size, and its tab order. Gear
// boxes 1 to 55 come later, with the load sequence. Returns the controls.
MainControls BuildMainLayout(forms::Form& window);
// The main window's controls that the window holds; error 730 when one of
// them is missing.
MainControls FindMainControls(const forms::Form& window);
// Puts the window's focusable controls in their tab order.
void SetMainTabOrder(forms::Form& window, const MainControls& controls);
// Whether the control is one of the window's gear boxes.
bool IsGearBox(const MainControls& controls, const forms::Control& control);

}  // namespace app
