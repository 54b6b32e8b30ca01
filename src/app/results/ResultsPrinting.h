#pragma once

#include <string>

#include "os/printing/PrinterPage.h"

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

// The message box over the owner that says how printing failed; `printer`
// names the printer when one was found.
void ReportPrintFailure(const forms::Form& owner, os::PrintFailure failure, const std::string& printer);

}  // namespace app
