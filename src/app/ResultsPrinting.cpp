#include "app/ResultsPrinting.h"

#include <string>

#include "app/LanguageFile.h"
#include "app/ResultsDrawing.h"
#include "forms/Form.h"
#include "os/desktop/BusyCursor.h"
#include "os/commoncontrols/MessageBox.h"
#include "os/printing/PrinterPage.h"

namespace app {

namespace {

struct FailureText {
    const char* key;
    const char* text;
};

FailureText TextOf(os::PrintFailure failure) {
    switch (failure) {
    case os::PrintFailure::NoPrinter:
        return {"noPrinter", "There is no default printer, so nothing was printed. Set up a printer as the "
                             "default and print again."};
    case os::PrintFailure::PageNotStarted:
        return {"printPageFailed", "The printer could not start a page, so the results were not printed "
                                   "completely."};
    default:
        return {"printEndFailed", "The printer could not finish the document; the results may not have been "
                                  "printed."};
    }
}

}  // namespace

void ReportPrintFailure(const forms::Form& owner, os::PrintFailure failure, const std::string& printer) {
    const FailureText what = TextOf(failure);
    std::string message = ReadLangText(what.key, "frmMain", what.text);
    if (!printer.empty()) message += "\n\n" + printer;
    os::MessageBox(owner.hWnd(), message, "Kestrany", os::MB_OK | os::MB_ICONEXCLAMATION);
}

void PrintResults(const forms::Form& owner, const grid::VbGrid& grid) {
    os::PrinterPage printer;
    printer.SetFontName(owner.FontName());  // a refused face leaves the printer's own
    if (printer.StartDoc("Kestrany") == os::PrintFailure::None) {
        const os::BusyCursor busy;  // a long table takes a while
        DrawAll(grid, printer);
        printer.EndDoc();
    }
    if (printer.Failure() != os::PrintFailure::None) ReportPrintFailure(owner, printer.Failure(), printer.PrinterName());
}

}  // namespace app
