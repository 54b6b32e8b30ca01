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
// Print! button btnPrint, below the boxes the check box chkFewest and the
// sheet's buttons btnPrintChart and btnSavePdf, the grid's window vbGrid1
// and the status line lblStatus under it; its title and client size.
void BuildChartLayout(forms::Form& window);
// The grid fills the client area between the sheet's controls and the
// status line.
void LayoutChartWindow(forms::Form& window);

}  // namespace app
