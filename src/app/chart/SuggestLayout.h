#pragma once

namespace forms {
class Control;
class Form;
}

namespace app {

// Window layout of the gear suggestion window, in twips.
inline constexpr int kSuggestClientWidth = 6600;
inline constexpr int kSuggestClientHeight = 6000;

// The suggestion window's controls, each named here once.
struct SuggestControls {
    forms::Control& pairs;       // chkPairs
    forms::Control& lowest;      // txtLowest: the range of tooth counts tried
    forms::Control& highest;     // txtHighest
    forms::Control& candidates;  // vbGrid1: the candidates' grid window
    forms::Control& gainsLabel;  // lblGains
    forms::Control& gains;       // vbGrid2: the grid window of the selected candidate's threads
};

// Creates the suggestion window's controls: the pairs check box, the range
// of tooth counts tried (two text boxes with their labels), the candidates'
// grid window, and below its label the grid window of the selected
// candidate's threads; its title and client size. Returns the controls.
SuggestControls BuildSuggestLayout(forms::Form& window);
// The two grids share the client area below the check box.
void LayoutSuggestWindow(const forms::Form& window, const SuggestControls& controls);

}  // namespace app
