#pragma once

namespace forms {
class Form;
}

namespace app {

// Window layout of the thread chart window, in twips.
inline constexpr int kChartClientWidth = 7400;
inline constexpr int kChartClientHeight = 6600;

// Creates the chart window's controls: one check box per thread family
// (control array chkFamily, in the order of calc::ThreadFamilies), the
// Print! button btnPrint and the grid's window vbGrid1; its title and
// client size.
void BuildChartLayout(forms::Form& window);
// The grid fills the client area below the check boxes.
void LayoutChartWindow(forms::Form& window);

}  // namespace app
