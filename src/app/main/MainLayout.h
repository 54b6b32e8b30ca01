#pragma once

namespace forms {
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

// Creates the main window's controls with their built-in texts, tooltips
// and language keys, its title and client size, and its tab order. Gear
// boxes 1 to 55 come later, with the load sequence.
void BuildMainLayout(forms::Form& window);
// Puts the window's focusable controls in their tab order.
void SetMainTabOrder(forms::Form& window);

}  // namespace app
