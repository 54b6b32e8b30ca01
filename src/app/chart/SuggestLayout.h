#pragma once

namespace forms {
class Form;
}

namespace app {

// Window layout of the gear suggestion window, in twips.
inline constexpr int kSuggestClientWidth = 6600;
inline constexpr int kSuggestClientHeight = 6000;

// Creates the suggestion window's controls: the check box chkPairs, the
// range of tooth counts tried (text boxes txtLowest and txtHighest with
// their labels), the candidates' grid window vbGrid1, the label lblGains and the grid window
// vbGrid2 of the selected candidate's threads; its title and client size.
void BuildSuggestLayout(forms::Form& window);
// The two grids share the client area below the check box.
void LayoutSuggestWindow(forms::Form& window);

}  // namespace app
