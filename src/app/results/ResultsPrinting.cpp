#include "app/results/ResultsPrinting.h"

#include <string>

#include "app/files/FailureMessage.h"
#include "app/files/LanguageTexts.h"
#include "app/preview/ResultsDrawing.h"
#include "forms/Form.h"
#include "os/desktop/BusyCursor.h"
#include "os/printing/PrinterPage.h"

namespace app {

namespace {

const LanguageText& TextOf(os::PrintFailure failure) {
    switch (failure) {
    case os::PrintFailure::NoPrinter: return kNoPrinterText;
    case os::PrintFailure::PageNotStarted: return kPrintPageFailedText;
    default: return kPrintEndFailedText;
    }
}

}  // namespace

void ReportPrintFailure(const forms::Form& owner, os::PrintFailure failure, const std::string& printer) {
    TellFailure(owner.hWnd(), TextOf(failure), printer);
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
