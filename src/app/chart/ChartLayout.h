#pragma once

#include <vector>

namespace forms {
class Control;
class Form;
}

namespace app {

// Window layout of the thread chart window, in twips.
inline constexpr int kChartClientWidth = 7400;
inline constexpr int kChartClientHeight = 6600;

// The chart window's controls, each named here once.
struct ChartControls {
    // chkFamily: one check box per thread family, in the order of calc::ThreadFamilies; never null.
    std::vector<forms::Control*> families;
    forms::Control& fewest;      // chkFewest
    forms::Control& printChart;  // btnPrintChart
    forms::Control& savePdf;     // btnSavePdf
    forms::Control& status;      // lblStatus
    forms::Control& print;       // btnPrint
    forms::Control& suggest;     // btnSuggest
    forms::Control& grid;        // vbGrid1: the chart grid's window
};

// Creates the chart window's controls: the family check boxes, the Print!
// button, below the boxes the fewest-changes check box and the sheet's
// buttons, the grid's window and the status line under it; its title and
// client size. Returns the controls.
ChartControls BuildChartLayout(forms::Form& window);
// The grid fills the client area between the sheet's controls and the
// status line.
void LayoutChartWindow(const forms::Form& window, const ChartControls& controls);

}  // namespace app
