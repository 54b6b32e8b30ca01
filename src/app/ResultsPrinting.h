#pragma once

namespace forms {
class Form;
}
namespace grid {
class VbGrid;
}

namespace app {

// Prints the grid on the system's default printer, without a dialog, in the
// face of the owner window's font (a printer that refuses it keeps its own).
// Long tables go on as many pages as they need. When there is no default
// printer, a page cannot be started or the document cannot be finished, a
// message box over the owner says which; the texts come from the language
// file (keys noPrinter, printPageFailed, printEndFailed of section frmMain).
void PrintResults(const forms::Form& owner, const grid::VbGrid& grid);

}  // namespace app
